// The popup menu window in its three display modes, chosen from by key, double click,
// icon click and Cancel.

#include "ui/activation/TDoAMenu.h"

#include "engine/mainwin/PopupMenuPlaces.h"
#include "ui/common/Icons.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "ui/support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

// A menu of `count` items whose places are 101, 102, ...; each macro is called "macro N".
PopupMenuParts Menu(char mode, int count, const std::string& itemIcon = "MAIN") {
    PopupMenuParts parts;
    parts.menu.scope = 4;
    parts.menu.typeword = std::string("N") + mode + "2";
    std::vector<int> places;
    for (int i = 0; i < count; ++i)
        places.push_back(101 + i);
    parts.menu.text = MenuArea(places);
    parts.record = [itemIcon](int place) {
        MacroRecord r;
        r.nickname = "macro " + std::to_string(place);
        r.text = "text of " + std::to_string(place);
        r.icon = itemIcon;
        return r;
    };
    return parts;
}

std::vector<int> RowsPerList(const TDoAMenu& menu) {
    std::vector<int> rows;
    for (QTreeWidget* list : menu.Lists())
        rows.push_back(list->topLevelItemCount());
    return rows;
}

struct GridCase {
    int count;
    std::vector<int> rows;
};

class TextMenuLayout : public ::testing::TestWithParam<std::tuple<char, GridCase>> {};

TEST_P(TextMenuLayout, ColumnsOfEighteenAndAThirdBeyondThirtySix) {
    const auto [mode, c] = GetParam();
    TDoAMenu menu(Menu(mode, c.count));
    EXPECT_EQ(RowsPerList(menu), c.rows);
    for (std::size_t i = 0; i < menu.Lists().size(); ++i)
        EXPECT_EQ(menu.Lists()[i]->objectName(),
                  i == 0 ? QStringLiteral("Script") : QStringLiteral("Script%1").arg(i + 1));
    EXPECT_EQ(menu.Lists()[0]->headerItem()->text(1),
              mode == '1' ? QStringLiteral("Macro Text") : QStringLiteral("Nickname"));
    // The last item is reachable by a double click wherever it stands.
    QTreeWidget* last = menu.Lists().back();
    QTreeWidgetItem* row = last->topLevelItem(last->topLevelItemCount() - 1);
    emit last->itemDoubleClicked(row, 0);
    EXPECT_EQ(menu.Chosen(), 100 + c.count);
    EXPECT_EQ(menu.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Counts, TextMenuLayout,
                         ::testing::Combine(::testing::Values('1', '3'),
                                            ::testing::Values(GridCase{5, {5}}, GridCase{18, {18}},
                                                              GridCase{19, {18, 1}},
                                                              GridCase{40, {18, 18, 4}})));

TEST(TDoAMenu, RowsShowTheKeyAndTheItemLine) {
    const struct {
        char mode;
        int item;
        QStringList line;
    } cases[] = {
        {'3', 0, {"0", "macro 101"}},
        {'3', 11, {"B", "macro 112"}},
        {'1', 17, {"H", "text of 118"}},
        {'1', 36, {"", "text of 137"}}, // beyond the 36 keys: no key character
    };
    for (const auto& c : cases) {
        TDoAMenu menu(Menu(c.mode, 40));
        const MenuGrid cell = TextMenuCell(c.item);
        QTreeWidgetItem* row =
            menu.Lists()[static_cast<std::size_t>(cell.columns)]->topLevelItem(cell.rows);
        EXPECT_EQ(row->text(0), c.line[0]) << c.item;
        EXPECT_EQ(row->text(1), c.line[1]) << c.item;
    }
}

TEST(TDoAMenu, TypedKeysChooseTheirItemInEveryMode) {
    const struct {
        const char* keys;
        int chosen;
    } cases[] = {
        {"b", 112}, {"B", 112}, {"0", 101}, {"C", -1}, {"%", -1},
    };
    for (char mode : {'1', '2', '3'}) {
        for (const auto& c : cases) {
            TDoAMenu menu(Menu(mode, 12));
            menu.show();
            QTest::keyClicks(&menu, QString::fromLatin1(c.keys));
            EXPECT_EQ(menu.Chosen(), c.chosen) << mode << c.keys;
            EXPECT_EQ(menu.isVisible(), c.chosen == -1) << mode << c.keys;
        }
    }
}

TEST(TDoAMenu, TakesTheFocusSoATypedKeyNeedsNoClick) {
    TDoAMenu menu(Menu('3', 12));
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, QStringLiteral("b"));
    EXPECT_EQ(menu.Chosen(), 112);
}

TEST(TDoAMenu, RunPopupMenuReturnsThePlaceChosen) {
    QTimer::singleShot(
        0, [] { QTest::keyClicks(QApplication::activeModalWidget(), QStringLiteral("2")); });
    EXPECT_EQ(RunPopupMenu(nullptr, Menu('2', 5)), 103);
}

TEST(TDoAMenu, CancelChoosesNothing) {
    for (char mode : {'1', '2', '3'}) {
        TDoAMenu menu(Menu(mode, 3));
        menu.show();
        QTest::mouseClick(menu.CancelButton(), Qt::LeftButton);
        EXPECT_EQ(menu.Chosen(), -1);
        EXPECT_EQ(menu.result(), QDialog::Rejected);
        EXPECT_FALSE(menu.isVisible());
    }
}

TEST(TDoAMenu, IsTopMostWithItsTitleAndCaption) {
    TDoAMenu menu(Menu('3', 2));
    EXPECT_TRUE(menu.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Choose A Macro"));
    EXPECT_NE(menu.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(menu.findChild<QLabel*>()->text(),
              QStringLiteral("Double Click or Press Number or Letter"));
}

TEST(TDoAMenu, IconButtonsNineToARowAtTheMenuSize) {
    const struct {
        int count;
        char size;
    } cases[] = {{0, '0'}, {3, '2'}, {9, '4'}, {10, '1'}, {40, '3'}};
    for (const auto& c : cases) {
        PopupMenuParts parts = Menu('2', c.count);
        parts.menu.typeword[2] = c.size;
        const int pixels = PopupMenuOptions::Parse(parts.menu.typeword).IconPixels();
        TDoAMenu menu(parts);
        EXPECT_EQ(static_cast<int>(menu.IconButtons().size()), c.count);
        EXPECT_TRUE(menu.Lists().empty());
        const MenuSize size = IconMenuSize(c.count, pixels);
        auto* icons = menu.findChild<QWidget*>(QStringLiteral("Icons"));
        ASSERT_NE(icons, nullptr);
        EXPECT_EQ(icons->size(), QSize(size.width, size.height - 22)) << c.count;
        for (QToolButton* b : menu.IconButtons())
            EXPECT_EQ(b->iconSize(), QSize(pixels, pixels));
        if (c.count > 0) {
            EXPECT_EQ(menu.IconButtons().back()->toolTip(),
                      QStringLiteral("macro %1").arg(100 + c.count));
            QTest::mouseClick(menu.IconButtons().back(), Qt::LeftButton);
            EXPECT_EQ(menu.Chosen(), 100 + c.count);
        }
    }
}

TEST(TDoAMenu, ItemIconsFromTheFolderOrTheMenuIcon) {
    QTemporaryDir dir;
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("RED.ICO")), "ICO"));

    const QIcon program = ProgramIcon();
    const QIcon menuIcon = MenuIcon();
    const auto pixels = [](const QIcon& icon) { return icon.pixmap(16).toImage(); };
    const struct {
        std::string icon;
        QImage expected;
    } cases[] = {
        {"MAIN", pixels(program)},
        {"MENU", pixels(menuIcon)},
        {"RED.ICO", image},
        {"GONE.ICO", pixels(menuIcon)},
    };
    for (const auto& c : cases) {
        PopupMenuParts parts = Menu('2', 1, c.icon);
        parts.iconFolder = dir.path().toStdString();
        parts.programIcon = program;
        parts.menuIcon = menuIcon;
        TDoAMenu menu(parts);
        const QImage shown = pixels(menu.IconButtons()[0]->icon());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                  c.expected.convertToFormat(QImage::Format_ARGB32))
            << c.icon;
    }
}

TEST(TDoAMenu, AnEmptyMenuShowsAnEmptyWindow) {
    for (char mode : {'1', '3'}) {
        TDoAMenu menu(Menu(mode, 0));
        EXPECT_EQ(RowsPerList(menu), std::vector<int>{0});
    }
}

} // namespace
