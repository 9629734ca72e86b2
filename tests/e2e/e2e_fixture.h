#pragma once
// One fresh folder and one freshly started program per test.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/quorrith_app.h"
#include "tests/logic/expected_toggles.h"
#include "tests/windows/test_folder.h"
#include "ui/control_ids.h"

namespace quorrith::e2e {

using test::kNotificationFile;
using test::kTapBatteryFile;

// GBK texts the window shows.
inline const std::string kInfoCaption = "\xD0\xC5\xCF\xA2";  // 信息
inline const std::string kSuccessText =
    "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xB3\xC9\xB9\xA6\r\n"  // 文件生成成功
    "\xC7\xEB\xBD\xAB\xC9\xFA\xB3\xC9\xB5\xC4plist\xCE\xC4\xBC\xFE\xBF\xBD\xB1\xB4\xD6\xC1"  // 请将生成的plist文件拷贝至
    "/var/mobile/Library/kBatteryDoctor";
inline const std::string kFailureText =
    "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xC1\xAA\xCF\xB5\xD7\xF7\xD5\xDF";  // 文件生成失败，请联系作者

// Where the controls sit in the client area at 96 DPI, with their texts (GBK).
struct ExpectedControl {
    int id;
    RECT rect;
    std::string text;
};

inline const ExpectedControl kExpectedControls[] = {
    {kIdRadioNotification, {121, 122, 209, 146}, "\xCD\xA8\xD6\xAA\xD6\xD0\xD0\xC4\xB0\xE6"},  // 通知中心版
    {kIdRadioTapBattery, {121, 155, 209, 179}, "\xB5\xE3\xBB\xF7\xB5\xE7\xB3\xD8\xB0\xE6"},    // 点击电池版
    {kIdMoveUp, {121, 21, 193, 45}, "\xC9\xCF\xD2\xC6"},                                       // 上移
    {kIdMoveDown, {121, 72, 193, 96}, "\xCF\xC2\xD2\xC6"},                                     // 下移
    {kIdGenerate, {121, 193, 193, 217}, "\xC9\xFA\xB3\xC9plist"},                              // 生成plist
    {kIdCreditLabel, {120, 247, 204, 271}, ""},
    {kIdToggleList, {8, 8, 103, 289}, ""},
};

inline RECT ClientRectOf(HWND window, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The document for rows given as (catalogue index, tick).
inline std::string ExpectedDocument(const std::vector<std::pair<int, bool>>& rows) {
    std::string document = test::ExpectedHeader();
    for (const auto& [index, ticked] : rows) {
        document += test::ExpectedEntryText(test::ExpectedToggles()[index].stem, ticked ? '1' : '0');
    }
    return document + test::ExpectedFooter();
}

inline std::string StartUpDocument() {
    std::vector<std::pair<int, bool>> rows;
    for (int i = 0; i < 16; ++i) rows.emplace_back(i, true);
    return ExpectedDocument(rows);
}

class E2ETest : public ::testing::Test {
protected:
    void StartIn(const std::wstring& folder) { app_ = std::make_unique<QuorrithApp>(folder); }
    void SetUp() override { StartIn(folder_.path()); }

    QuorrithApp& app() { return *app_; }
    HWND control(int id) { return app_->control(id); }
    std::wstring FileIn(const std::wstring& name) const { return app_->folder() + L"\\" + name; }

    // Presses the generate button, checks the one message box and closes it.
    void GenerateExpecting(const std::string& text) {
        app().Click(control(kIdGenerate));
        const auto box = app().WaitForMessageBox();
        ASSERT_TRUE(box.has_value()) << "no message box after generating";
        EXPECT_EQ(box->caption, Wide(kInfoCaption));
        EXPECT_EQ(box->text, Wide(text));
        EXPECT_EQ(box->buttons.size(), 1u);
        EXPECT_TRUE(box->hasIcon);
        app().CloseMessageBoxWithOk();
        EXPECT_FALSE(app().HasMessageBox()) << "exactly one message per press";
    }

    test::TestFolder folder_;
    std::unique_ptr<QuorrithApp> app_;
};

}  // namespace quorrith::e2e
