// SPDX-License-Identifier: MIT
// Configuration images in files: what is refused, and a save that fails
// leaves the old file whole.
#include "ImageFile.h"
#include "TestBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

class TestImageFile : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void saveReplacesWhole();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();

private:
    QTemporaryDir m_dir;
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
};

void TestImageFile::load_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::addColumn<qsizetype>("maximum");
    QTest::addColumn<QString>("problem"); // a part of the reason; empty: loads

    const QByteArray image = referenceResetImage();
    QByteArray badCode = image;
    badCode[656 + 3 * 4 + 1 - 1] = 'x'; // command 5's action code
    QTest::newRow("full image") << image << ImageFile::WriteMaximum << QString();
    QTest::newRow("decoded part only") << image.left(715) << ImageFile::WriteMaximum << QString();
    QTest::newRow("one byte short") << image.left(714) << ImageFile::WriteMaximum
                                    << QStringLiteral("má 714 B, konfigurační obraz má nejméně 715 B");
    QTest::newRow("too long to write") << image + 'x' << ImageFile::WriteMaximum
                                       << QStringLiteral("má 2049 B, povoleno je nejvýše 2048 B");
    QTest::newRow("long for the window") << image + QByteArray(64 * 1024, 'x') << ImageFile::WindowMaximum
                                         << QStringLiteral("má 67584 B, povoleno je nejvýše 65536 B");
    QTest::newRow("not decodable") << badCode << ImageFile::WriteMaximum
                                   << QStringLiteral("bajt 0x78 na pozici 669");
    QTest::newRow("no such file") << QByteArray() << ImageFile::WriteMaximum
                                  << QStringLiteral("nelze přečíst: soubor neexistuje");
}

void TestImageFile::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, maximum);
    QFETCH(QString, problem);
    const QString path = bytes.isEmpty() ? m_dir.filePath(QStringLiteral("missing.bin"))
                                         : write(QStringLiteral("image.bin"), bytes);
    const ImageFile::Loaded loaded = ImageFile::load(path, maximum);
    if (problem.isEmpty()) {
        QVERIFY2(loaded.ok(), qPrintable(loaded.problem));
        QCOMPARE(loaded.bytes, bytes);
        QCOMPARE(ImageFile::problemWith(bytes, maximum), QString());
    } else {
        QVERIFY(loaded.bytes.isEmpty());
        QVERIFY2(loaded.problem.contains(problem), qPrintable(loaded.problem));
        QVERIFY2(loaded.problem.contains(QDir::toNativeSeparators(path)), qPrintable(loaded.problem));
    }
}

void TestImageFile::saveReplacesWhole()
{
    const QString path = write(QStringLiteral("saved.bin"), QByteArray(4096, 'o'));
    QString problem;
    QVERIFY2(ImageFile::save(path, allBytes(), &problem), qPrintable(problem));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), allBytes());
}

void TestImageFile::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("write fails midway") << QStringLiteral("file size limit");
}

void TestImageFile::failedSaveKeepsOldFile()
{
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QByteArray old(700, 'o');
    const QString path = dir.filePath(QStringLiteral("backup.bin"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    const QByteArray image = referenceResetImage();
    QString problem;
    bool saved = true;
    if (fault == QStringLiteral("read-only")) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(dir.path()).isWritable()) {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("the folder stays writable for this user (root)");
        }
        saved = ImageFile::save(path, image, &problem);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
#ifdef Q_OS_UNIX
        // A file may grow to 1000 bytes only: the write of 2048 fails as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved_limit{};
        getrlimit(RLIMIT_FSIZE, &saved_limit);
        rlimit limit = saved_limit;
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        saved = ImageFile::save(path, image, &problem);
        setrlimit(RLIMIT_FSIZE, &saved_limit);
#else
        QSKIP("needs a file size limit");
#endif
    }
    QVERIFY(!saved);
    QVERIFY2(problem.startsWith(QStringLiteral("Soubor „%1“ nelze uložit: ").arg(QDir::toNativeSeparators(path))),
             qPrintable(problem));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("backup.bin")});
}

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
