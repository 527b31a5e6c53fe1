#include "tsumparser.h"

#include <QFileInfo>
#include <QTextStream>

namespace PosLib {

TSumParser::TSumParser(const TCurrencies *currencies, const QString &root)
    : TJobParser(currencies, root)
{ }

TSumParser::~TSumParser() = default;

bool TSumParser::setLayout(const QString &name)
{
    m_layout = name;
    return !name.isEmpty() && QFileInfo(root() + QStringLiteral("etc/layout/") + name).isFile();
}

bool TSumParser::runLines(QStringList &lines)
{
    QString buffer;
    QTextStream out(&buffer);
    const bool read = run(out, m_layout);
    out.flush();
    if (buffer.isEmpty())
        return read;
    QStringList pieces = buffer.split(QLatin1Char('\n'));
    if (pieces.last().isEmpty())
        pieces.removeLast();
    lines += pieces;
    return read;
}

} // namespace PosLib
