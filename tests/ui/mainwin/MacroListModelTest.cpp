#include "ui/mainwin/MacroListModel.h"

#include "ui/mainwin/MacroListView.h"
#include "ui/mainwin/MainWinTestSupport.h"

#include <QFont>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;
using kv::ui::MacroListModel;
using kv::ui::MacroListView;

namespace {

class MacroListModelTest : public ::testing::Test {
protected:
    void Fill() {
        list.FillList(t.block, t.settings);
        model.Refill();
    }
    QString Text(int row, int column) const {
        return model.data(model.index(row, column)).toString();
    }
    // The Nickname column from top to bottom.
    std::vector<std::string> Nicknames() const {
        std::vector<std::string> names;
        for (int r = 0; r < model.rowCount(); ++r)
            names.push_back(Text(r, MacroListModel::kNickname).toStdString());
        return names;
    }

    MacroTables t;
    MacroList list;
    MacroListModel model{list, t.block, t.settings};
};

TEST_F(MacroListModelTest, EveryMacroIsARowWithItsNumberActivationNicknameAndScope) {
    // Scope first, so the rows keep a predictable order: GLOBAL, Window, Program, Popup
    // Menu, SYSTEM.
    t.settings.primarySort = "312";
    t.Load({Macro("Hello", Code("Ctrl+A")), Typeword("Sig", "sig"),
            Macro("Notes", Code("F5"), Scope::Window, "Notepad"),
            Macro("Term", Code("F6"), Scope::Program, "xterm"),
            Macro("Menu", Code("F7"), Scope::PopupMenu)});
    Fill();

    ASSERT_EQ(model.rowCount(), 9); // and the four SYSTEM macros
    ASSERT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString());
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Activation"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Nickname"));
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Scope"));

    EXPECT_EQ(Text(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Text(8, 0), QStringLiteral("9"));
    EXPECT_EQ(Text(0, 1), QStringLiteral("Ctrl+A"));
    EXPECT_EQ(Text(0, 2), QStringLiteral("Hello"));
    EXPECT_EQ(Text(0, 3), QStringLiteral("GLOBAL"));
    EXPECT_EQ(Text(1, 1), QStringLiteral("sig"));
    EXPECT_EQ(Text(2, 3), QStringLiteral("Window: Notepad"));
    EXPECT_EQ(Text(3, 3), QStringLiteral("Program: xterm"));
    EXPECT_EQ(Text(4, 3), QStringLiteral("Popup Menu"));
    EXPECT_EQ(Text(5, 3), QStringLiteral("SYSTEM"));
    EXPECT_EQ(Text(5, 2), QStringLiteral("Activate Keyvane"));
    EXPECT_EQ(Text(5, 1), QStringLiteral("Ctrl+Alt+Shift+W"));
}

TEST_F(MacroListModelTest, TextComesFromWindows1252) {
    t.Load({Macro("Caf\xE9", kActivationTimed)});
    Fill();
    const int row = list.ReverseSort(1) - 1;
    EXPECT_EQ(Text(row, 1), QStringLiteral("Timed Macro"));
    EXPECT_EQ(Text(row, 2), QString::fromUtf8("Caf\xC3\xA9"));
}

TEST_F(MacroListModelTest, ASwitchedOffMacroIsGreyAndItalicExceptItsNumber) {
    t.Load({Macro("On", Code("Ctrl+A")), Macro("Off", Code("Ctrl+B"), Scope::Global, "", false)});
    Fill();
    const int on = list.ReverseSort(1) - 1;
    const int off = list.ReverseSort(2) - 1;
    const auto font = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::FontRole).value<QFont>();
    };
    const auto colour = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::ForegroundRole).value<QBrush>().color();
    };
    for (int c = 1; c <= 3; ++c) {
        EXPECT_TRUE(font(off, c).italic()) << c;
        EXPECT_FALSE(font(on, c).italic()) << c;
        EXPECT_NE(colour(off, c), colour(on, c)) << c;
        EXPECT_TRUE(model.data(model.index(off, c), MacroListModel::kSwitchedOffRole).toBool());
    }
    EXPECT_FALSE(font(off, 0).italic());
    EXPECT_EQ(colour(off, 0), colour(on, 0));

    // Switched on again: drawn as the others once repainted.
    t.block.SetActive(2, true);
    QSignalSpy repainted(&model, &QAbstractItemModel::dataChanged);
    model.Repaint();
    EXPECT_EQ(repainted.count(), 1);
    EXPECT_FALSE(font(off, 2).italic());
}

TEST_F(MacroListModelTest, TheGridFontsComeFromTheSettings) {
    t.settings.gridFont.name = "Courier";
    t.settings.gridFont.size = 14;
    t.settings.gridTitleFont.bold = true;
    t.Load({Macro("A", Code("Ctrl+A"))});
    Fill();
    const QFont cell = model.data(model.index(0, 2), Qt::FontRole).value<QFont>();
    EXPECT_EQ(cell.family(), QStringLiteral("Courier"));
    EXPECT_EQ(cell.pointSize(), 14);
    EXPECT_TRUE(model.headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
}

TEST_F(MacroListModelTest, EqualNicknamesAreOrderedByTheirActivation) {
    t.settings.primarySort = "213"; // Nickname, then Activation, then Scope
    t.Load({Macro("Same", Code("Ctrl+B")), Macro("Same", Code("Alt+C")),
            Macro("Other", Code("Ctrl+A"))});
    Fill();
    ASSERT_GE(model.rowCount(), 3);
    // "Activate Keyvane" and "Menu of Macros..." sort among them by Nickname.
    std::vector<QString> same;
    for (int r = 0; r < model.rowCount(); ++r)
        if (Text(r, 2) == QStringLiteral("Same"))
            same.push_back(Text(r, 1));
    EXPECT_EQ(same, (std::vector<QString>{QStringLiteral("Alt+C"), QStringLiteral("Ctrl+B")}));
    EXPECT_EQ(Nicknames().front(), "Activate Keyvane");
}

TEST_F(MacroListModelTest, TheActivationOrderPutsTimedMacrosFirstAndTypewordsLast) {
    t.settings.primarySort = "123";
    t.settings.activationSort = "312"; // Timed Macro, hot key, Typeword
    t.Load({Typeword("Tw", "abc"), Macro("Ctrl key", Code("Ctrl+Z")),
            Macro("Timer", kActivationTimed), Macro("Alt key", Code("Alt+Z"))});
    Fill();
    const std::vector<std::string> names = Nicknames();
    ASSERT_EQ(names.size(), 8U);
    EXPECT_EQ(names.front(), "Timer");
    EXPECT_EQ(names[1], "Alt key"); // every Alt combination before every Ctrl one
    EXPECT_EQ(names.back(), "Tw");
    // The numbers follow the rows, not the places.
    EXPECT_EQ(Text(0, 0), QStringLiteral("1"));
}

class MacroListViewTest : public MacroListModelTest {
protected:
    void SetUp() override {
        t.Load({Macro("Alpha", Code("Ctrl+A")), Macro("Bravo", Code("Ctrl+B")),
                Macro("Charlie", Code("Ctrl+C"))});
        Fill();
        view.resize(600, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QPoint CellCentre(int row) const {
        return view.visualRect(model.index(row, MacroListModel::kNickname)).center();
    }

    MacroListView view{model, t.settings};
};

TEST_F(MacroListViewTest, ColumnsTakeTheStoredWidthsAndADraggedBorderIsStored) {
    EXPECT_EQ(view.columnWidth(1), t.settings.col1Width);
    EXPECT_EQ(view.columnWidth(2), t.settings.col2Width);
    EXPECT_EQ(view.columnWidth(3), t.settings.col3Width);

    // The user drags the right border of column 2 forty pixels to the right.
    QHeaderView* header = view.horizontalHeader();
    const int border = header->sectionViewportPosition(2) + header->sectionSize(2) - 1;
    const int y = header->height() / 2;
    const int before = t.settings.col2Width;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseMove(header->viewport(), QPoint(border + 40, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(border + 40, y));
    EXPECT_EQ(t.settings.col2Width, before + 40);
    EXPECT_EQ(t.settings.col1Width, 112);

    // A refill keeps it; new widths from the settings (Appearance) are applied and not
    // taken for a drag.
    Fill();
    EXPECT_EQ(view.columnWidth(2), before + 40);
    t.settings.col3Width = 77;
    view.AdjustGridSpacing();
    EXPECT_EQ(view.columnWidth(3), 77);
    EXPECT_EQ(t.settings.col2Width, before + 40);
}

TEST_F(MacroListViewTest, RightPressAndReleaseOnTheSameRowAskForQuickInfo) {
    QSignalSpy info(&view, &MacroListView::QuickInfoRequested);
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, CellCentre(2));
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, CellCentre(3));
    EXPECT_EQ(info.count(), 0);

    QTest::mousePress(view.viewport(), Qt::RightButton, {}, CellCentre(2));
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, CellCentre(2));
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info.at(0).at(0).toInt(), 3); // the engine counts rows from 1
}

TEST_F(MacroListViewTest, ArrowsMoveTheSelectionAndEnterOpensTheRow) {
    QSignalSpy selected(&view, &MacroListView::RowSelected);
    QSignalSpy opened(&view, &MacroListView::RowOpened);
    view.SetCurrentEngineRow(1);
    EXPECT_EQ(selected.count(), 0); // set by the program, not the user
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Down);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 2);
    EXPECT_EQ(view.CurrentEngineRow(), 2);
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toInt(), 2);
}

} // namespace

namespace {

TEST(MacroListCells, ATextTooWideLosesWholeCharactersFromItsEnd) {
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QString text = QStringLiteral("Signature for letters");
    EXPECT_EQ(kv::ui::FitCellText(text, metrics, metrics.horizontalAdvance(text)), text);
    for (const int width : {metrics.horizontalAdvance(text) - 1, 60, 17, 1}) {
        const QString fitted = kv::ui::FitCellText(text, metrics, width);
        EXPECT_TRUE(text.startsWith(fitted));
        EXPECT_LE(metrics.horizontalAdvance(fitted), width);
        // One more character would not have fitted: no ellipsis, no half letter.
        EXPECT_GT(metrics.horizontalAdvance(text.left(fitted.size() + 1)), width) << width;
    }
    EXPECT_EQ(kv::ui::FitCellText(text, metrics, 0), QString());
}

} // namespace
