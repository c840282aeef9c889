#pragma once
// The help file shown inside the program, covering the device screen: the topic's section, links
// between topics, Back and Forward, Close. Help then works on a kiosk or a bare device with no
// web browser. Links to web pages go to the user's browser.

#include <QDialog>
#include <QStringList>

class QTextBrowser;
class QToolButton;

class CHelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the help file at `path` at the section whose id is `topic` (the start when the topic
    // is empty or unknown). A file that cannot be read shows the reason instead.
    CHelpWindow(QWidget* parent, const QString& path, const QString& topic);

    // The section shown, "" at the start of the file.
    QString Topic() const { return topic_; }
    void ShowTopic(const QString& topic); // remembered for Back
    void Back();
    void Forward();

    const QTextBrowser* Browser() const { return browser_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Go(const QString& topic);
    void UpdateButtons();

    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QString topic_;
    QStringList backStack_;
    QStringList forwardStack_;
};

// The help text made ready for the text browser: every element's id also becomes an anchor the
// browser can scroll to.
QString HelpHtmlWithAnchors(const QString& html);
