#include "treporttemplate.h"

#include <QFile>
#include <QRegularExpression>

#include <vector>

namespace PrintEngine {

namespace {

bool isName(const QString &text)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return name.match(text).hasMatch();
}

// "money", "money," (a comma as the decimal mark), "count", "date".
bool isFormat(const QString &format)
{
    if (format.isEmpty() || format == QLatin1String("count") || format == QLatin1String("date"))
        return true;
    return format.startsWith(QLatin1String("money")) && format.size() <= 6;
}

// "list.field" or "name", each part a name.
bool splitReference(const QString &text, QString &name, QString &field)
{
    const int dot = text.indexOf(QLatin1Char('.'));
    name = dot < 0 ? text : text.left(dot);
    field = dot < 0 ? QString() : text.mid(dot + 1);
    return isName(name) && (dot < 0 || isName(field));
}

int lineAt(const QString &text, qsizetype position)
{
    return int(QStringView(text).left(position).count(QLatin1Char('\n'))) + 1;
}

} // namespace

bool parsePlaceholder(const QString &inside, TPlaceholder &out)
{
    out = TPlaceholder();
    out.text = QLatin1Char('{') + inside + QLatin1Char('}');
    if (inside.isEmpty() || inside.front().isSpace() || inside.back().isSpace())
        return false;
    if (inside.startsWith(QLatin1Char('@'))) {
        static const QRegularExpression key(QStringLiteral("^[A-Za-z0-9_.-]+$"));
        out.kind = TPlaceholder::LanguageText;
        out.name = inside.mid(1);
        return key.match(out.name).hasMatch();
    }

    QString rest = inside;
    if (rest.startsWith(QLatin1String("sum "))) {
        out.kind = TPlaceholder::Sum;
        rest = rest.mid(4).trimmed();
    } else if (rest.startsWith(QLatin1String("count "))) {
        out.kind = TPlaceholder::Count;
        rest = rest.mid(6).trimmed();
    }
    const int colon = rest.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        out.format = rest.mid(colon + 1);
        rest = rest.left(colon);
    }
    if (!isFormat(out.format) || !splitReference(rest, out.name, out.field))
        return false;

    switch (out.kind) {
    case TPlaceholder::Sum:
        return !out.field.isEmpty();
    case TPlaceholder::Count:
        return out.field.isEmpty() && out.format.isEmpty();
    default:
        break;
    }
    if (!out.field.isEmpty()) {
        out.kind = TPlaceholder::Field;
    } else if ((out.name == QLatin1String("page") || out.name == QLatin1String("pages"))
               && out.format.isEmpty()) {
        out.kind = TPlaceholder::PageNumber;
    } else {
        out.kind = TPlaceholder::Parameter;
    }
    return true;
}

bool TReportTemplate::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

bool TReportTemplate::fail(int line, const QString &text)
{
    m_error = QStringLiteral("line %1: %2").arg(line).arg(text);
    return false;
}

void TReportTemplate::addParameter(const QString &name, const QString &defaultValue)
{
    for (Parameter &p : m_parameters) {
        if (p.name == name) {
            if (!defaultValue.isEmpty())
                p.defaultValue = defaultValue;
            return;
        }
    }
    m_parameters.append({name, defaultValue});
}

void TReportTemplate::addText(QList<TTemplateNode> &to, const QString &text)
{
    // every "{…}" that reads as a placeholder becomes a value node
    static const QRegularExpression braces(QStringLiteral("\\{([^{}\\n]*)\\}"));
    qsizetype done = 0;
    auto plain = [&](qsizetype end) {
        if (end > done) {
            TTemplateNode node;
            node.text = text.mid(done, end - done);
            to.append(node);
        }
    };
    for (auto it = braces.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        TPlaceholder placeholder;
        if (!parsePlaceholder(m.captured(1), placeholder))
            continue;
        plain(m.capturedStart());
        TTemplateNode node;
        node.kind = TTemplateNode::Value;
        node.placeholder = placeholder;
        to.append(node);
        done = m.capturedEnd();
        if (placeholder.kind == TPlaceholder::Parameter)
            addParameter(placeholder.name);
    }
    plain(text.size());
}

bool TReportTemplate::parse(const QString &text)
{
    m_body.clear();
    m_pageHeader.clear();
    m_pageFooter.clear();
    m_parameters.clear();
    m_error.clear();

    enum FrameKind { SectionFrame, IfFrame, PageHeaderFrame, PageFooterFrame };
    struct Frame
    {
        FrameKind kind;
        TTemplateNode node;
        int line;
        bool inElse = false;
    };
    std::vector<Frame> open;
    auto target = [&]() -> QList<TTemplateNode> & {
        if (open.empty())
            return m_body;
        Frame &top = open.back();
        return top.inElse ? top.node.otherwise : top.node.children;
    };

    static const QRegularExpression directive(QStringLiteral("<!--\\s*@(\\w+)(.*?)-->"),
                                              QRegularExpression::DotMatchesEverythingOption);
    qsizetype done = 0;
    for (auto it = directive.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        addText(target(), text.mid(done, m.capturedStart() - done));
        done = m.capturedEnd();
        const int line = lineAt(text, m.capturedStart());
        const QString word = m.captured(1);
        const QStringList args
                = m.captured(2).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);

        if (word == QLatin1String("parameter")) {
            if (args.isEmpty() || !isName(args.first()))
                return fail(line, QStringLiteral("@parameter needs a name"));
            const QString rest = m.captured(2).trimmed().mid(args.first().size()).trimmed();
            addParameter(args.first(), rest);
        } else if (word == QLatin1String("section")) {
            Frame frame {SectionFrame, {}, line};
            frame.node.kind = TTemplateNode::Section;
            if (args.isEmpty() || !isName(args.first()))
                return fail(line, QStringLiteral("@section needs a list name"));
            frame.node.list = args.first();
            for (int i = 1; i < args.size(); ++i) {
                if (args.at(i) == QLatin1String("by") && i + 1 < args.size()
                    && isName(args.at(i + 1))) {
                    frame.node.groupBy = args.at(++i);
                } else if (args.at(i) == QLatin1String("where") && i + 1 < args.size()) {
                    // where a=1 b!=2 …: every condition up to the next keyword
                    while (i + 1 < args.size() && args.at(i + 1).contains(QLatin1Char('='))) {
                        const QString condition = args.at(++i);
                        const int eq = condition.indexOf(QLatin1Char('='));
                        TCondition c;
                        c.equal = eq == 0 || condition.at(eq - 1) != QLatin1Char('!');
                        c.field = condition.left(c.equal ? eq : eq - 1);
                        c.value = condition.mid(eq + 1);
                        if (!isName(c.field))
                            return fail(line, QStringLiteral("bad condition %1").arg(condition));
                        frame.node.where.append(c);
                    }
                } else {
                    return fail(line, QStringLiteral("@section: unexpected %1").arg(args.at(i)));
                }
            }
            open.push_back(frame);
        } else if (word == QLatin1String("if")) {
            Frame frame {IfFrame, {}, line};
            frame.node.kind = TTemplateNode::If;
            QStringList rest = args;
            if (!rest.isEmpty() && rest.first() == QLatin1String("not")) {
                frame.node.negate = true;
                rest.removeFirst();
            }
            QString name;
            QString field;
            if (rest.size() == 2 && rest.first() == QLatin1String("count") && isName(rest.last())) {
                frame.node.countList = true;
                frame.node.condition = rest.last();
            } else if (rest.size() == 1 && splitReference(rest.first(), name, field)) {
                frame.node.condition = rest.first();
                if (field.isEmpty())
                    addParameter(name);
            } else {
                return fail(line, QStringLiteral("@if needs a name or count and a list"));
            }
            open.push_back(frame);
        } else if (word == QLatin1String("else")) {
            if (open.empty() || open.back().kind != IfFrame || open.back().inElse)
                return fail(line, QStringLiteral("@else without @if"));
            open.back().inElse = true;
        } else if (word == QLatin1String("pageheader") || word == QLatin1String("pagefooter")) {
            const bool header = word == QLatin1String("pageheader");
            if (!open.empty())
                return fail(line, QStringLiteral("@%1 inside another block").arg(word));
            if (!(header ? m_pageHeader : m_pageFooter).isEmpty())
                return fail(line, QStringLiteral("a second @%1").arg(word));
            open.push_back({header ? PageHeaderFrame : PageFooterFrame, {}, line});
        } else if (word == QLatin1String("end")) {
            if (open.empty())
                return fail(line, QStringLiteral("@end without a start"));
            Frame frame = open.back();
            open.pop_back();
            if (frame.kind == PageHeaderFrame)
                m_pageHeader = frame.node.children;
            else if (frame.kind == PageFooterFrame)
                m_pageFooter = frame.node.children;
            else
                target().append(frame.node);
        } else {
            return fail(line, QStringLiteral("unknown directive @%1").arg(word));
        }
    }
    addText(target(), text.mid(done));
    if (!open.empty())
        return fail(open.back().line, QStringLiteral("block not closed with @end"));
    return true;
}

} // namespace PrintEngine
