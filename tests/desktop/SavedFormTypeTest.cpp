#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString desktopDir = QStringLiteral(ZORVAT_DESKTOP_DIR);
const QString savedFormType = QStringLiteral("application/x-zorvat-form");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The type a desktop gives a file, with the program's MIME definition installed as a package
// would install it (a data folder of its own, searched the way the desktop searches them).
TEST(SavedFormType, FirstLineNamesTheTypeWhateverTheFileIsCalled)
{
    QTemporaryDir data;
    ASSERT_TRUE(QDir().mkpath(data.filePath(QStringLiteral("mime/packages"))));
    ASSERT_TRUE(QFile::copy(desktopDir + QStringLiteral("/hr.zorvat.Print.mime.xml"),
                            data.filePath(QStringLiteral("mime/packages/hr.zorvat.Print.xml"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath(QStringLiteral("home"))));

    const QByteArray fields = QByteArray("\r\n").repeated(14);
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool savedForm;
    } cases[] = {
        {"uplatnica", "TIP=UPLATNICA" + fields, true},
        {"nalog", "TIP=ZORVAT" + fields, true},
        {"hub3a", "TIP=HUB3A" + fields, true},
        {"nalog.txt", "TIP=ZORVAT" + fields, true},
        {"lf-only", "TIP=UPLATNICA\n10000\n", true},
        {"other-kind", "TIP=OSTALO" + fields, false},
        {"tag-not-first", "\r\nTIP=UPLATNICA" + fields, false},
        {"notes.txt", "Popis za trgovinu\r\n", false},
    };
    const QMimeDatabase types;
    for (const auto &c : cases) {
        const QString path = data.filePath(QLatin1StringView(c.name));
        writeFile(path, c.bytes);
        const QMimeType type = types.mimeTypeForFile(path);
        EXPECT_EQ(type.name() == savedFormType, c.savedForm) << c.name << ": " << type.name().toStdString();
        if (c.savedForm) {
            EXPECT_TRUE(type.inherits(QStringLiteral("text/plain"))) << c.name;
        }
    }
}

// The desktop entry, the metainfo and the MIME definition name the same type, so that a double
// click on a saved form starts the program.
TEST(SavedFormType, DesktopEntryAndMetainfoOpenTheSavedFormType)
{
    EXPECT_TRUE(readAll(desktopDir + QStringLiteral("/hr.zorvat.Print.desktop"))
                    .contains("\nMimeType=" + savedFormType.toLatin1() + ";\n"));
    EXPECT_TRUE(readAll(desktopDir + QStringLiteral("/hr.zorvat.Print.metainfo.xml"))
                    .contains("<mediatype>" + savedFormType.toLatin1() + "</mediatype>"));
    EXPECT_TRUE(readAll(desktopDir + QStringLiteral("/hr.zorvat.Print.mime.xml"))
                    .contains("<mime-type type=\"" + savedFormType.toLatin1() + "\">"));
}

} // namespace
