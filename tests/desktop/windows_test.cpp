// The desktop program's own windows and helpers, built offscreen: what they show and what they
// hand back to the game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "bell_code_dialog.h"
#include "controls/bell_codes.h"
#include "controls/bell_window.h"
#include "info_window_dialog.h"
#include "options_dialog.h"
#include "status_bar.h"
#include "wave_player.h"

namespace {

QStringList MemoTexts(const QWidget& window) {
    QStringList texts;
    for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>()) {
        texts << memo->toPlainText();
    }
    return texts;
}

TEST(WaveDuration, ReadsTheLengthFromTheHeaderAndRefusesOtherFiles) {
    QTemporaryDir dir;
    const QString wave = dir.filePath("one.wav");
    QFile file(wave);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Half a second of 16-bit mono at 22050 samples a second, with an extra chunk first.
    const quint32 rate = 22050, bytes = rate;
    auto put = [&file](quint32 value, int size) {
        for (int i = 0; i < size; ++i) file.putChar(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    file.write("RIFF");
    put(4 + 8 + 4 + 8 + 16 + 8 + bytes, 4);
    file.write("WAVE");
    file.write("LIST");
    put(4, 4);
    file.write("INFO");
    file.write("fmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    file.write("data");
    put(bytes, 4);
    file.write(QByteArray(static_cast<int>(bytes), '\0'));
    file.close();
    EXPECT_EQ(WaveDurationMs(wave), 500);

    QFile text(dir.filePath("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a sound at all");
    text.close();
    EXPECT_EQ(WaveDurationMs(text.fileName()), 0);
    EXPECT_EQ(WaveDurationMs(dir.filePath("missing.wav")), 0);
}

TEST(WavePlayer, ReturnsPromptlyWhateverTheFile) {
    QTemporaryDir dir;
    QFile text(dir.filePath("broken.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("RIFF....WAVE");
    text.close();
    WavePlayer player;
    QElapsedTimer clock;
    clock.start();
    player.PlaySync(text.fileName());
    player.PlaySync(dir.filePath("missing.wav"));
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(BellCodeDialog, ListsEveryCodeWithTheSuggestedOneSelected) {
    BellCodeDialog dialog(10, kv41::BellTrainOut);
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), kv41::BellCodeLast + 1);
    for (int code = 0; code <= kv41::BellCodeLast; ++code) {
        EXPECT_EQ(list->item(code)->text().toStdString(), kv41::BellListLine(code));
    }
    EXPECT_EQ(list->currentRow(), kv41::BellTrainOut);
    // Tall enough to show every code without scrolling.
    EXPECT_GE(list->height(), list->sizeHintForRow(0) * (kv41::BellCodeLast + 1));
}

TEST(BellCodeDialog, OkSendsTheSelectedCodeCancelSendsNothing) {
    for (const char* button : {"OK", "Cancel"}) {
        BellCodeDialog dialog(10, 0);
        dialog.findChild<QListWidget*>()->setCurrentRow(3);
        for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
            if (b->text() == button) b->click();
        }
        if (QString(button) == "OK") {
            EXPECT_EQ(dialog.Chosen(), 3);
        } else {
            EXPECT_FALSE(dialog.Chosen().has_value());
        }
    }
}

TEST(BellCodeDialog, TheCloseButtonDoesNotDismissIt) {
    BellCodeDialog dialog(10, 0);
    QCloseEvent close;
    QApplication::sendEvent(&dialog, &close);
    EXPECT_FALSE(close.isAccepted());
}

TEST(OptionsDialog, OpensWithTheGameValuesAndReturnsTheChoices) {
    kv41::OptionValues current;
    current.SoundOn = false;
    current.ScoreLogging = true;
    current.RulesLMR = true;
    current.AutoSave = true;
    current.MainFontSize = 12;
    current.InfoFontSize = 9;
    OptionsDialog dialog(current, 14, nullptr);
    kv41::OptionValues unchanged = dialog.Chosen();
    EXPECT_FALSE(unchanged.SoundOn);
    EXPECT_TRUE(unchanged.ScoreLogging);
    EXPECT_TRUE(unchanged.RulesLMR);
    EXPECT_FALSE(unchanged.RulesWR);
    EXPECT_TRUE(unchanged.AutoSave);
    EXPECT_EQ(unchanged.MainFontSize, 12);
    EXPECT_EQ(unchanged.InfoFontSize, 9);

    for (QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
        if (button->text() == "WR 1960") button->setChecked(true);
    }
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (box->text() == "AutoSave") EXPECT_FALSE(box->isEnabled()) << "shown, not changeable";
        if (box->text() == "&Sound") box->setChecked(true);
    }
    kv41::OptionValues chosen = dialog.Chosen();
    EXPECT_TRUE(chosen.RulesWR);
    EXPECT_FALSE(chosen.RulesLMR);
    EXPECT_TRUE(chosen.SoundOn);
}

TEST(InfoWindowDialog, PutsEachPaneOfLinesInItsOwnMemo) {
    kv41::InfoWindow held;
    held.Name = "held";
    held.Caption = "Trains held at  6.05";
    held.Heads = {"Up Trains Held", "Down Trains Held", "Trains waiting to leave yard",
                  "Next departure from Exchange Sidings", "Due   Expected   To"};
    for (int i = 1; i <= 12; ++i) held.Lines.push_back("line " + std::to_string(i));
    held.Lines.push_back("Nothing expected in next hour");
    InfoWindowDialog dialog;
    dialog.ShowSnapshot(held, {3, 6, 3, 1}, 10);
    EXPECT_EQ(dialog.windowTitle(), "Trains held at  6.05");
    const QStringList memos = MemoTexts(dialog);
    ASSERT_EQ(memos.size(), 3);
    EXPECT_EQ(memos[0], "line 1\nline 2\nline 3");
    EXPECT_EQ(memos[1].count('\n'), 5);
    EXPECT_TRUE(memos[2].startsWith("line 10"));
    QStringList heads;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) heads << label->text();
    EXPECT_TRUE(heads.contains("Next departure from Exchange Sidings"));

    // Asked again, the window shows the new snapshot instead of adding to the old one.
    held.Lines[0] = "changed";
    dialog.ShowSnapshot(held, {3, 6, 3, 1}, 12);
    const QStringList again = MemoTexts(dialog);
    ASSERT_EQ(again.size(), 3);
    EXPECT_TRUE(again[0].startsWith("changed"));
}

// Whatever the font size, the status bar's controls stay inside the bar and apart.
TEST(StatusBar, ControlsFitTheBarAtEveryFontSize) {
    StatusBar bar([] {}, [] {}, [] {});
    for (int size = 6; size <= 20; ++size) {
        const QFontMetrics metrics(QFont("monospace", size));
        const int w = metrics.horizontalAdvance('W');
        const int h = metrics.height() + 1;
        const int width = 100 * w + 5;
        bar.Layout(size, w, h, width);
        const QList<QWidget*> controls = bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(controls.size(), 10);
        for (int i = 0; i < controls.size(); ++i) {
            const QRect a = controls[i]->geometry();
            EXPECT_TRUE(QRect(0, 0, width, 2 * h).contains(a))
                << "size " << size << " control " << i;
            for (int j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(a.intersects(controls[j]->geometry()))
                    << "size " << size << " controls " << i << " and " << j;
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
