// Where the programs look for the symbol font: their own folder first, then beside the
// executable, then the user's installed fonts.
#include "render/ChartFonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orvel;

class SymbolFontSearchTest : public QObject {
    Q_OBJECT

private slots:
    void firstFolderHoldingTheFileWins_data()
    {
        QTest::addColumn<QList<bool>>("holds"); // program folder, executable's folder, user fonts
        QTest::addColumn<int>("found");         // index of the folder, -1 for none
        QTest::newRow("program folder before the others") << QList<bool>{true, true, true} << 0;
        QTest::newRow("beside the executable") << QList<bool>{false, true, true} << 1;
        QTest::newRow("installed for the user") << QList<bool>{false, false, true} << 2;
        QTest::newRow("nowhere") << QList<bool>{false, false, false} << -1;
    }
    void firstFolderHoldingTheFileWins()
    {
        QFETCH(QList<bool>, holds);
        QFETCH(int, found);
        QTemporaryDir folders[3];
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            paths.append(folders[i].path());
            if (holds[i])
                QVERIFY(QFile(QStringLiteral(OWSYM_FONT_FILE)).copy(folders[i].filePath(ChartFonts::SymbolFile)));
        }
        const QString expected = found < 0 ? QString() : folders[found].filePath(ChartFonts::SymbolFile);
        QCOMPARE(ChartFonts::findSymbolFontFile(paths), expected);
    }

    // A folder that is not given is not the working directory, and a folder named like
    // the font file is no font.
    void onlyFilesInGivenFoldersCount()
    {
        QTemporaryDir working;
        QVERIFY(QFile(QStringLiteral(OWSYM_FONT_FILE)).copy(working.filePath(ChartFonts::SymbolFile)));
        QTemporaryDir decoy;
        QVERIFY(QDir(decoy.path()).mkdir(ChartFonts::SymbolFile));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(working.path());
        const QString file = ChartFonts::findSymbolFontFile({QString(), decoy.path()});
        QDir::setCurrent(previous);
        QCOMPARE(file, QString());
    }

    void registeredFontIsFound()
    {
        QTemporaryDir folder;
        QVERIFY(QFile(QStringLiteral(OWSYM_FONT_FILE)).copy(folder.filePath(ChartFonts::SymbolFile)));
        QVERIFY(ChartFonts::registerSymbolFont(folder.path()));
        QVERIFY(ChartFonts::hasSymbolFont());
    }
};

QTEST_MAIN(SymbolFontSearchTest)
#include "SymbolFontSearchTest.moc"
