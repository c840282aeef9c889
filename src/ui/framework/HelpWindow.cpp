#include "ui/framework/HelpWindow.h"

#include "core/common/io/FileIo.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr qint64 kMaxHelpFileBytes = 4 * 1024 * 1024;
constexpr int kButtonHeight = 22;

QToolButton* NewButton(const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setMinimumSize(56, kButtonHeight);
    return button;
}

} // namespace

QString HelpHtmlWithAnchors(const QString& html) {
    static const QRegularExpression withId(
        QStringLiteral("<(h[1-6]|p|div|section|li)(\\b[^>]*?)\\s+id=\"([^\"]+)\"([^>]*)>"));
    QString out = html;
    out.replace(withId, QStringLiteral("<\\1\\2\\4><a name=\"\\3\"></a>"));
    return out;
}

CHelpWindow::CHelpWindow(QWidget* parent, const QString& path, const QString& topic)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Help"));
    setFont(DialogFont());
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    back_ = NewButton(QStringLiteral("Back"), this);
    forward_ = NewButton(QStringLiteral("Forward"), this);
    QToolButton* close = NewButton(QStringLiteral("Close"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(back_);
    row->addWidget(forward_);
    row->addStretch(1);
    row->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(browser_, 1);
    layout->addLayout(row);

    const Outcome<QByteArray> file = ReadWholeFile(
        path, QStringLiteral("The help file could not be read.\n"), kMaxHelpFileBytes);
    if (file)
        browser_->setHtml(HelpHtmlWithAnchors(QString::fromUtf8(file.value())));
    else
        browser_->setPlainText(file.error().text);

    connect(back_, &QToolButton::clicked, this, &CHelpWindow::Back);
    connect(forward_, &QToolButton::clicked, this, &CHelpWindow::Forward);
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme().isEmpty() && url.path().isEmpty())
            ShowTopic(url.fragment(QUrl::FullyDecoded));
        else
            QDesktopServices::openUrl(url);
    });
    Go(topic);
}

void CHelpWindow::ShowTopic(const QString& topic) {
    backStack_.append(topic_);
    forwardStack_.clear();
    Go(topic);
}

void CHelpWindow::Back() {
    if (backStack_.isEmpty())
        return;
    forwardStack_.append(topic_);
    Go(backStack_.takeLast());
}

void CHelpWindow::Forward() {
    if (forwardStack_.isEmpty())
        return;
    backStack_.append(topic_);
    Go(forwardStack_.takeLast());
}

void CHelpWindow::Go(const QString& topic) {
    topic_ = topic;
    if (topic.isEmpty())
        browser_->moveCursor(QTextCursor::Start);
    else
        browser_->scrollToAnchor(topic);
    UpdateButtons();
}

void CHelpWindow::UpdateButtons() {
    back_->setEnabled(!backStack_.isEmpty());
    forward_->setEnabled(!forwardStack_.isEmpty());
}

void CHelpWindow::showEvent(QShowEvent* event) {
    // Like every screen, the help covers the device screen of the window it belongs to.
    resize(CurrentPlatform().Screen().Size());
    if (QWidget* owner = parentWidget())
        move(owner->window()->mapToGlobal(QPoint(0, 0)));
    QDialog::showEvent(event);
    Go(topic_); // scrolling needs the final size
}
