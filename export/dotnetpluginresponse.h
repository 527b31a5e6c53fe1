#pragma once

#include <QDomDocument>
#include <QString>

namespace DotNetPluginLibrary {

// The answer of a plug-in: any XML document whose first "result" element
// carries the outcome in its attributes, usually "code" and "message".
class DotNetPluginResponse : public QDomDocument
{
public:
    DotNetPluginResponse() = default;
    explicit DotNetPluginResponse(const QString &xml);

    // Replaces the content by the parsed text; false (and an empty
    // document) when the text is no XML.
    bool parse(const QString &xml);

    // An attribute of the first "result" element; `defaultValue` without
    // the element or the attribute.
    QString resultAttribute(const QString &name, const QString &defaultValue = QString()) const;
    // The same as an integer; `defaultValue` also for text that is no
    // number.
    int resultInt(const QString &name, int defaultValue = 0) const;
};

} // namespace DotNetPluginLibrary
