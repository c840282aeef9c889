#pragma once
// Reads the XML of a plan file from another program as hostile input: a document type
// declaration is refused (so no entity is declared, expanded or fetched), elements are matched in
// the root's namespace, and the first problem is kept with the line it was found on.

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <optional>

class PlanXmlReader {
public:
    explicit PlanXmlReader(const QByteArray& bytes);

    // Moves to the root element; false (with the problem) when there is none or a DTD comes
    // first.
    bool ReadRoot();
    QString RootName() const { return xml_.name().toString(); }
    QString RootNamespace() const { return namespace_; }

    // Moves to the next child element of the current element: false at the end of the element
    // or after a problem.
    bool NextChild();
    // The current element has this name in the root's namespace.
    bool Is(const char* name) const;
    // The text of the current (leaf) element, without spaces at either end; moves past it.
    QString Text();
    // Moves past the current element and everything in it.
    void Skip() { xml_.skipCurrentElement(); }
    // The number in the text, or in the attribute, of the current element, when it is a finite
    // number within ±limit; otherwise records the problem and gives nothing.
    std::optional<double> Number(const char* what, double limit);
    std::optional<double> AttributeNumber(const char* name, double limit);
    QString Attribute(const char* name) const;

    // Records a problem at the current line and stops reading (only the first one is kept).
    void Fail(const QString& problem);
    // Reads to the end of the document, so damage after the root is found too; then true when
    // there was no problem.
    bool Finish();
    // "The file is damaged at line N: problem" for the first problem.
    QString Problem() const;

private:
    std::optional<double> Checked(const char* what, const QString& text, double limit);

    QXmlStreamReader xml_;
    QString namespace_;
};
