// The files beside the desktop program: its font, its help file, and the program's end when
// either is missing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>

#include "help_window.h"
#include "panel_font.h"

namespace {

QString BesideTheProgram(const QString& name) {
    return QCoreApplication::applicationDirPath() + "/" + name;
}

// Waits for something the help engine builds in the background.
bool Eventually(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000) QCoreApplication::processEvents();
    return done();
}

TEST(PanelFont, TolaHasOneWidthAndTheArrowsAt165And166) {
    ASSERT_TRUE(PanelFontAvailable());
    const QRawFont raw(BesideTheProgram("TOLA.TTF"), 20);
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName(), "TOLA");
    EXPECT_EQ(QFontMetrics(PanelFont(12)).horizontalAdvance("W"),
              QFontMetrics(QFont("TOLA", 12)).horizontalAdvance("W"));

    QString latin1;
    for (int code = 32; code < 256; ++code) latin1 += QChar(code);
    const QList<quint32> glyphs = raw.glyphIndexesForString(latin1);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    const qreal width = raw.advancesForGlyphIndexes(raw.glyphIndexesForString("W")).first().x();
    for (int i = 0; i < advances.size(); ++i) {
        EXPECT_EQ(advances[i].x(), width) << "character " << 32 + i;
    }
    const QString arrows = QString(QChar(165)) + QChar(166) + QChar(0x2190) + QChar(0x2192);
    const QList<quint32> arrowGlyphs = raw.glyphIndexesForString(arrows);
    EXPECT_EQ(arrowGlyphs[0], arrowGlyphs[2]) << "165 is the left arrow";
    EXPECT_EQ(arrowGlyphs[1], arrowGlyphs[3]) << "166 is the right arrow";
    EXPECT_NE(arrowGlyphs[0], arrowGlyphs[1]);
}

TEST(HelpFile, EveryPageIsInItWithContentsAndIndex) {
    HelpWindow help(BesideTheProgram("KV41.qch"));
    const QStringList pages = QDir(KV41_HELP_SOURCE).entryList({"*.html"});
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& page : pages) {
        EXPECT_TRUE(help.HasTopic(page.section('.', 0, 0).toInt())) << page.toStdString();
    }
    help.ShowTopic(710);
    EXPECT_EQ(help.PageTitle(), "Options");
    help.ShowTopic(999);  // no such topic: the introduction
    EXPECT_EQ(help.PageTitle(), "Introduction");
    EXPECT_TRUE(Eventually([&] { return help.ContentsEntries() >= pages.size(); }));
    EXPECT_TRUE(Eventually([&] { return help.IndexEntries() > pages.size(); }));
}

// The real program, copied alone into a directory with some of its files, on the offscreen
// platform; --exit-after closes the error box.
struct ProgramRun {
    int ExitCode = -1;
    QString Errors;
};

ProgramRun RunCopy(const QTemporaryDir& dir, const QStringList& files) {
    for (const QString& name : QStringList{"kv41"} + files) {
        QFile::copy(BesideTheProgram(name), dir.filePath(name));
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(dir.filePath("kv41"), {"--exit-after", "1500"});
    program.waitForFinished(30000);
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST(ProgramFiles, MissingHelpOrFontFileEndsTheProgramNamingIt) {
    QTemporaryDir noHelp;
    ProgramRun run = RunCopy(noHelp, {"TOLA.TTF"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains("Program cannot continue:\nHelp file missing  " +
                                    noHelp.filePath("KV41.qch") +
                                    "\nPlease see Error Messages page in Help"))
        << run.Errors.toStdString();

    QTemporaryDir noFont;
    run = RunCopy(noFont, {"KV41.qch"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains("Font file missing  " + noFont.filePath("TOLA.TTF")))
        << run.Errors.toStdString();
}

}  // namespace
