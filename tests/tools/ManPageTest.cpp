#include "RenderOptions.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every option that --help lists is described in the man page, so that the two do not drift apart.
TEST(ManPage, DescribesEveryOptionOfTheHelp)
{
    QFile file(QStringLiteral(ZORPRINT_RENDER_MAN_PAGE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    const QRegularExpression option(u"--([a-z]+)"_s);
    int options = 0;
    for (const QRegularExpressionMatch &match : option.globalMatch(renderUsage())) {
        ++options;
        EXPECT_TRUE(page.contains(u"\\-\\-"_s + match.captured(1))) << match.captured(0).toStdString();
    }
    EXPECT_GE(options, 10);
}

} // namespace
