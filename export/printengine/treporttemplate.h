#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace PrintEngine {

// A placeholder in the text of a design, "{…}".
struct TPlaceholder
{
    enum Kind {
        Parameter, // {name}
        Field, // {list.field}: the field of the list's current record
        Sum, // {sum list.field}: the field summed over the records in scope
        Count, // {count list}: the number of records in scope
        LanguageText, // {@key}: a text of the language file
        PageNumber, // {page} and {pages}: filled when printing
    };
    Kind kind = Parameter;
    QString name; // parameter, list or language key
    QString field;
    QString format; // "", "money" (with an optional decimal mark after it), "count", "date"
    QString text; // the placeholder as written
};

// A condition of a section: `field` "=" or "!=" `value`.
struct TCondition
{
    QString field;
    bool equal = true;
    QString value;
};

// One piece of a parsed design.
struct TTemplateNode
{
    enum Kind {
        Text, // HTML copied as it is
        Value, // a placeholder
        Section, // repeats its children per record, or per group, of a list
        If, // its children when the condition holds, else its other children
    };
    Kind kind = Text;
    QString text;
    TPlaceholder placeholder;
    // Section
    QString list;
    QString groupBy; // empty: one repetition per record
    QList<TCondition> where;
    // If: a parameter or "list.field", which holds when its value is
    // neither empty nor "no", "false", "off" or "0"; with `countList` a
    // list, which holds when it has records in scope. `negate` for "if not".
    QString condition;
    bool countList = false;
    bool negate = false;
    QList<TTemplateNode> children;
    QList<TTemplateNode> otherwise;
};

// A report design: HTML with directives in comments and placeholders in
// braces (docs/report-templates.md).
//
//     <!-- @parameter weather sunny -->
//     <!-- @section pays by waitername --> … {sum pays.amount:money} <!-- @end -->
//     <!-- @if header1 --> <h2>{header1}</h2> <!-- @end -->
//     <!-- @pageheader --> … page {page} of {pages} <!-- @end -->
//
// Parsing keeps the declared and used parameters in the order of their
// first mention, with the default values of their declarations.
class TReportTemplate
{
public:
    struct Parameter
    {
        QString name;
        QString defaultValue;
    };

    // Parses the design; false with errorText() on a mistake (an unknown
    // directive, an @end without a start, a section left open, …).
    bool parse(const QString &text);
    // Reads a UTF-8 file and parses it.
    bool load(const QString &fileName);
    QString errorText() const { return m_error; }

    const QList<TTemplateNode> &body() const { return m_body; }
    const QList<TTemplateNode> &pageHeader() const { return m_pageHeader; }
    const QList<TTemplateNode> &pageFooter() const { return m_pageFooter; }
    const QList<Parameter> &parameters() const { return m_parameters; }

private:
    bool fail(int line, const QString &text);
    void addParameter(const QString &name, const QString &defaultValue = QString());
    void addText(QList<TTemplateNode> &to, const QString &text);

    QList<TTemplateNode> m_body;
    QList<TTemplateNode> m_pageHeader;
    QList<TTemplateNode> m_pageFooter;
    QList<Parameter> m_parameters;
    QString m_error;
};

// Reads one placeholder's inside ("sum pays.amount:money"); false when it
// is no placeholder (a brace of a style sheet, an unknown format).
bool parsePlaceholder(const QString &inside, TPlaceholder &out);

} // namespace PrintEngine
