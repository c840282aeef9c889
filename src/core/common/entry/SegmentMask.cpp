#include "core/common/entry/SegmentMask.h"

#include <algorithm>

namespace {

bool SeparatorCountFits(qsizetype separators, qsizetype segments) {
    return separators == 1 || separators == segments - 1;
}

} // namespace

bool SegmentMask::Configure(const QStringList& initialTexts, const QStringList& separators,
                            const QString& prefix, const QString& suffix) {
    if (initialTexts.size() < 2 || !SeparatorCountFits(separators.size(), initialTexts.size()))
        return false;
    if (std::any_of(initialTexts.begin(), initialTexts.end(),
                    [](const QString& t) { return t.isEmpty(); }))
        return false;
    texts_ = initialTexts;
    widths_.clear();
    for (const QString& t : initialTexts)
        widths_.append(static_cast<int>(t.size()));
    separators_ = separators;
    prefix_ = prefix;
    suffix_ = suffix;
    return true;
}

bool SegmentMask::SetTexts(const QStringList& texts) {
    if (!IsConfigured() || texts.size() < texts_.size())
        return false;
    for (int i = 0; i < Count(); ++i)
        texts_[i] = texts[i].left(widths_[i]).rightJustified(widths_[i], u' ');
    return true;
}

bool SegmentMask::SetSeparators(const QStringList& separators) {
    if (!IsConfigured() || !SeparatorCountFits(separators.size(), texts_.size()))
        return false;
    separators_ = separators;
    return true;
}

const QString& SegmentMask::SeparatorAfter(int i) const {
    return separators_.size() == 1 ? separators_[0] : separators_[i];
}

QString SegmentMask::Text() const {
    QString text = prefix_;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += SeparatorAfter(i - 1);
        text += texts_[i];
    }
    return text + suffix_;
}

int SegmentMask::Start(int i) const {
    int start = static_cast<int>(prefix_.size());
    for (int k = 0; k < i; ++k)
        start += widths_[k] + static_cast<int>(SeparatorAfter(k).size());
    return start;
}

int SegmentMask::SegmentAtPosition(int position) const {
    if (!IsConfigured())
        return -1;
    for (int i = 0; i < Count(); ++i)
        if (position <= End(i))
            return i;
    return Count() - 1;
}
