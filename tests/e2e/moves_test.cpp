// Ticking and moving rows with the mouse, and what the next file holds.

#include "tests/e2e/e2e_fixture.h"

namespace quorrith::e2e {
namespace {

const std::string kTopText = "\xB5\xBD\xB6\xA5\xC0\xB2\xA3\xA1";     // 到顶啦！
const std::string kBottomText = "\xB5\xBD\xB5\xD7\xC0\xB2\xA3\xA1";  // 到底啦！
const std::string kHintCaption = "\xCC\xE1\xCA\xBE";                 // 提示

class Moves : public E2ETest {
protected:
    std::vector<std::wstring> Texts() {
        std::vector<std::wstring> texts;
        for (int row = 0; row < app().RowCount(); ++row) texts.push_back(app().RowText(row));
        return texts;
    }
    std::vector<std::wstring> Labels(std::vector<int> order) {
        std::vector<std::wstring> texts;
        for (const int index : order) texts.push_back(Wide(test::ExpectedToggles()[index].label));
        return texts;
    }
    std::vector<int> CatalogueOrder() {
        std::vector<int> order;
        for (int i = 0; i < 16; ++i) order.push_back(i);
        return order;
    }
    void ExpectRefusal(int row, int button, const std::string& text) {
        app().ClickRowLabel(row);
        ASSERT_EQ(app().SelectedRows(), std::vector<int>{row});
        app().Click(control(button));
        const auto box = app().WaitForMessageBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->caption, Wide(kHintCaption));
        EXPECT_EQ(box->text, Wide(text));
        EXPECT_EQ(box->buttons.size(), 1u);
        app().CloseMessageBoxWithOk();
        EXPECT_TRUE(app().WaitForFocus(control(kIdToggleList)));
        EXPECT_EQ(Texts(), Labels(CatalogueOrder()));
        EXPECT_EQ(app().SelectedRows(), std::vector<int>{row});
    }
};

TEST_F(Moves, TicksStayWithThePositionsAndTheFileFollowsTheRows) {
    app().ClickRowCheckBox(2);  // 3G unticked
    EXPECT_EQ(app().RowStateImage(2), 0);
    app().ClickRowLabel(5);
    app().Press(VK_SPACE);  // 亮度 unticked from the keyboard
    EXPECT_EQ(app().RowStateImage(5), 0);

    app().ClickRowLabel(3);
    app().Click(control(kIdMoveUp));  // 清理 lands on the unticked row 2
    EXPECT_EQ(app().SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(app().Focus(), control(kIdToggleList));
    app().Click(control(kIdMoveDown));
    app().Click(control(kIdMoveDown));  // and on to row 4, ticked
    EXPECT_EQ(app().SelectedRows(), std::vector<int>{4});

    EXPECT_EQ(Texts(), Labels({0, 1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    for (int row = 0; row < 16; ++row) EXPECT_EQ(app().RowStateImage(row), row == 2 || row == 5 ? 0 : 1);

    app().ClickRowLabel(0);
    app().Click(control(kIdMoveDown));  // the top row moves down like any other
    app().ClickRowLabel(15);
    app().Click(control(kIdMoveUp));    // and the bottom row up
    GenerateExpecting(kSuccessText);
    EXPECT_EQ(test::ReadBytes(FileIn(kNotificationFile)),
              ExpectedDocument({{1, true}, {0, true}, {2, false}, {4, true}, {3, true}, {5, false}, {6, true},
                                {7, true}, {8, true}, {9, true}, {10, true}, {11, true}, {12, true}, {13, true},
                                {15, true}, {14, true}}));
}

TEST_F(Moves, TopRowUpIsRefused) { ExpectRefusal(0, kIdMoveUp, kTopText); }

TEST_F(Moves, BottomRowDownIsRefused) { ExpectRefusal(15, kIdMoveDown, kBottomText); }

TEST_F(Moves, NothingSelectedDoesNothing) {
    for (const int button : {kIdMoveUp, kIdMoveDown}) {
        app().Click(control(button));
        EXPECT_FALSE(app().WaitForMessageBox(700).has_value());
        EXPECT_EQ(app().Focus(), control(button)) << "the focus stays where the click put it";
    }
    EXPECT_EQ(Texts(), Labels(CatalogueOrder()));
    EXPECT_TRUE(app().SelectedRows().empty());
}

}  // namespace
}  // namespace quorrith::e2e
