#include "dotnetpluginrequest.h"
#include "dotnetpluginresponse.h"

#include "testdir.h"
#include "tinstallation.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using DotNetPluginLibrary::DotNetPluginRequest;
using DotNetPluginLibrary::DotNetPluginResponse;

TEST(PluginRequest, EmptyStructureDownToParams)
{
    const DotNetPluginRequest request;
    EXPECT_EQ(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<korvalplugins><plugin><functions><function><params/>"
                             "</function></functions></plugin></korvalplugins>"),
              request.toString(-1));
    EXPECT_TRUE(request.plugin().isEmpty());
}

TEST(PluginRequest, PluginFunctionAndParameterGroup)
{
    DotNetPluginRequest request;
    EXPECT_TRUE(request.setPlugin(QStringLiteral("VErov")));
    EXPECT_TRUE(request.setFunction(QStringLiteral("CallFunction")));
    QStringList lines;
    PosLib::appendParameter(lines, QStringLiteral("walkid"), 12);
    PosLib::appendParameter(lines, QStringLiteral("path"), QStringLiteral("a^=|b <&>"));
    lines << QStringLiteral("no separator");
    EXPECT_TRUE(request.addParams(QStringLiteral("walksettings"), lines));

    const QDomElement function
            = request.elementsByTagName(QStringLiteral("function")).item(0).toElement();
    EXPECT_EQ(QStringLiteral("1"), function.attribute(QStringLiteral("invokeposition")));
    // The order of attributes in the text is the DOM's; compare the rest
    // with the function's attributes taken out.
    QString text = request.toString(-1);
    text.replace(QRegularExpression(QStringLiteral("<function [^>]*>")),
                 QStringLiteral("<function>"));
    // "count" counts every line; a value keeps anything after the first
    // separator and is escaped.
    EXPECT_EQ(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<korvalplugins><plugin name=\"VErov\"><functions>"
                             "<function><params>"
                             "<walksettings count=\"3\"><walkid value=\"12\"/>"
                             "<path value=\"a^=|b &lt;&amp;>\"/></walksettings>"
                             "</params></function></functions></plugin></korvalplugins>"),
              text);
    EXPECT_EQ(QStringLiteral("VErov"), request.plugin());
    EXPECT_EQ(QStringLiteral("CallFunction"), request.function());
}

TEST(PluginRequest, MapFormAndSecondGroup)
{
    DotNetPluginRequest request;
    QMap<QString, QString> values;
    values.insert(QStringLiteral("b"), QStringLiteral("2"));
    values.insert(QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_TRUE(request.addParams(QStringLiteral("first"), values));
    EXPECT_TRUE(request.addParams(QStringLiteral("second"), QStringList()));
    EXPECT_EQ(QStringLiteral("<params><first count=\"2\"><a value=\"1\"/><b value=\"2\"/></first>"
                             "<second count=\"0\"/></params>"),
              [&] {
                  QString text;
                  QTextStream stream(&text);
                  request.elementsByTagName(QStringLiteral("params")).item(0).save(stream, -1);
                  return text;
              }());
}

TEST(PluginRequest, EmptyNamesAreRefused)
{
    DotNetPluginRequest request;
    EXPECT_FALSE(request.setPlugin(QString()));
    EXPECT_FALSE(request.setFunction(QString()));
    EXPECT_FALSE(request.addParams(QString(), QStringList {QStringLiteral("a^=|1")}));
    EXPECT_FALSE(request.addParams(QString(), QMap<QString, QString>()));
    EXPECT_EQ(DotNetPluginRequest().toString(), request.toString());
}

TEST(PluginResponse, ReadsFirstResultElement)
{
    const DotNetPluginResponse response(
            QStringLiteral("<answer><data><result code=\"17\" message=\"disk full\"/></data>"
                           "<result code=\"0\"/></answer>"));
    EXPECT_EQ(17, response.resultInt(QStringLiteral("code")));
    EXPECT_EQ(QStringLiteral("disk full"), response.resultAttribute(QStringLiteral("message")));
    EXPECT_EQ(QStringLiteral("none"),
              response.resultAttribute(QStringLiteral("archive"), QStringLiteral("none")));
}

TEST(PluginResponse, MissingElementOrBadTextGiveDefaults)
{
    const DotNetPluginResponse noResult(QStringLiteral("<answer/>"));
    EXPECT_EQ(-1, noResult.resultInt(QStringLiteral("code"), -1));
    EXPECT_EQ(QStringLiteral("x"), noResult.resultAttribute(QStringLiteral("message"), "x"));

    const DotNetPluginResponse notNumeric(QStringLiteral("<result code=\"many\"/>"));
    EXPECT_EQ(9, notNumeric.resultInt(QStringLiteral("code"), 9));

    DotNetPluginResponse garbage;
    EXPECT_FALSE(garbage.parse(QStringLiteral("not <xml")));
    EXPECT_EQ(3, garbage.resultInt(QStringLiteral("code"), 3));
}
