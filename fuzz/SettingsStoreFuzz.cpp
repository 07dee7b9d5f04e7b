#include "FakeSlipFields.h"
#include "FuzzCheck.h"
#include "model/Calibration.h"
#include "model/PrintOffsets.h"
#include "model/SettingsStore.h"
#include "model/UserError.h"
#include "ui/Defaults.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

namespace {

// Runs a store operation; only the store's own errors may come out of it.
template <typename Operation> bool storeOperation(Operation &&operation)
{
    try {
        operation();
        return true;
    } catch (const UserError &) {
        return false;
    }
}

const QString printer = QStringLiteral("Laser on LPT1:");

} // namespace

// The input is the store's database file, damaged in any way. Every read and write of the program
// either works or reports the store's error; nothing crashes, and a value that the store took is
// read back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where the system offers it: every write of the store waits for the disk otherwise.
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/zorvat-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/zorvat-fuzz-XXXXXX"));
    const QString path = QDir(folder.path()).filePath(QStringLiteral("settings.db"));
    QFile::remove(path + QStringLiteral("-journal"));
    {
        QFile file(path);
        fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the database file can be written");
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    const SettingsStore store(path, std::chrono::milliseconds(0));

    FakeSlipFields fields;
    storeOperation([&] { LoadUplatnicaDefaults(store, fields); });
    storeOperation([&] { LoadZorvatDefaults(store, fields); });
    storeOperation([&] { ReadPrintOffsets(store); });
    storeOperation([&] {
        const Calibration loaded = readStoredCalibration(store, printer);
        fuzzCheck(loaded.RectWidth > 0 && loaded.RectHeight > 0, "a loaded calibration divides");
    });

    const QString value = QStringLiteral("Ivan Horvat\r\nIlica 1");
    // A write goes to the store only when its key opens for writing; otherwise it does nothing.
    const bool mainWritable =
        store.OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite).has_value();
    if (storeOperation([&] { store.WriteSetting(QStringLiteral("DefUplatitelj"), value); }) && mainWritable) {
        QString back;
        storeOperation([&] { back = store.ReadSetting(QStringLiteral("DefUplatitelj")); });
        fuzzCheck(back == value, "a string the store took reads back");
    }
    const Calibration calibration{7, 7, 3, 3, 2, 9};
    const bool printerWritable =
        store.OpenKey(calibrationKeyPath(printer), true, KeyAccess::ReadWrite).has_value();
    if (storeOperation([&] { storeCalibration(store, printer, calibration); }) && printerWritable) {
        Calibration back;
        storeOperation([&] { back = readStoredCalibration(store, printer); });
        fuzzCheck(back == calibration, "a calibration the store took reads back");
    }
    return 0;
}
