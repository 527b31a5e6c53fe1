#pragma once

#include "tjobparser.h"

#include <QStringList>

namespace PosLib {

// The layout parser of the summary lists: runs one layout of "etc/layout"
// (an item list such as "sumarticles.cfg") into text lines, with the
// variables the summary sets for each item ("name", "count", "countsum").
class TSumParser : public TJobParser
{
public:
    explicit TSumParser(const TCurrencies *currencies = nullptr, const QString &root = QString());
    ~TSumParser() override;

    QString layout() const { return m_layout; }
    // Takes the layout name; true when root + "etc/layout/" + name exists.
    bool setLayout(const QString &name);

    // Runs the layout and appends what it wrote, split at "\n", to `lines`;
    // the line end of the last line gives no empty line of its own. Returns
    // whether the layout was read.
    bool runLines(QStringList &lines);

private:
    QString m_layout;
};

} // namespace PosLib
