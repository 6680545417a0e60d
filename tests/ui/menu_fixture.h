#pragma once
// The started recorder with helpers that work the menu pages by their keys: find a row by its text,
// move the cursor there and choose it, turn an open editor and confirm.
#include <gtest/gtest.h>

#include <string>

#include "home_fixture.h"
#include "ui/uipages.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uilist.h"
#include "uicore/uipagekit.h"

class MenuTest : public HomeTest {
protected:
    // The recorder started anew as the model the command-line argument chooses ("10", "L").
    static void PowerOnAs(const char* model)
    {
        const char* argv[] = {"orvel-sim", model};
        OrvelPowerOn(2, argv, "orvel-sim");
        StartUserInterface();
    }

    struct FoundRow {
        UIStaticList* List = nullptr;
        std::uint32_t Index = 0;  // among the visible rows
        UIStaticListItem* Item = nullptr;
    };

    static FoundRow Find(UIPage& page, const std::string& text)
    {
        for (std::int32_t c = 0; c < page.NControls; ++c) {
            if (page.Controls[c]->Handler != UIMenuListHandler)
                continue;
            auto* list = reinterpret_cast<UIStaticList*>(page.Controls[c]);
            for (std::uint32_t i = 0; i < UIStaticListCount(list); ++i)
                if (UIStaticListItem* item = UIStaticListItemAt(list, static_cast<std::int32_t>(i)); text == item->Text)
                    return {list, i, item};
        }
        ADD_FAILURE() << "no visible row \"" << text << "\"";
        return {};
    }

    // Opens the page and chooses the row: MENU on a value row opens its editor.
    static void Choose(UIPage& page, const std::string& text)
    {
        UIGotoPage(&page);
        if (const FoundRow row = Find(page, text); row.List) {
            UIFocusControl(&page, row.List);
            UIListSetIndex(&row.List->List, row.Index);
            UIListMove(&row.List->List, 0);  // scrolled into the window
            Tap(KEY_MENU);
        }
    }

    // Chooses a value row, turns its editor by steps and confirms.
    static void Edit(UIPage& page, const std::string& text, std::int32_t steps)
    {
        Choose(page, text);
        ASSERT_NE(UIActiveEditor, nullptr) << text;
        for (std::int32_t s = 0; s < (steps < 0 ? -steps : steps); ++s)
            Turn(steps < 0 ? -1 : 1);
        Tap(KEY_MENU);
        EXPECT_EQ(UIActiveEditor, nullptr) << text;
    }

    // The page of the menu tree with this title (the first one, where several share it).
    static UIPage& Titled(const std::string& title)
    {
        struct Search {
            std::string Title;
            UIPage* Found = nullptr;
        } search{title};
        UIWalkPages(&MainMenuPage, [](UIPage* page, UIPage*, void* context) {
            auto* s = static_cast<Search*>(context);
            const auto* bar = reinterpret_cast<const UITitle*>(page->Controls ? page->Controls[0] : nullptr);
            if (!s->Found && bar && bar->Control.Handler == UITitleHandler && s->Title == bar->Text)
                s->Found = page;
        }, &search);
        EXPECT_NE(search.Found, nullptr) << title;
        return search.Found ? *search.Found : MainMenuPage;
    }

    static std::string ValueText(UIPage& page, const std::string& text)
    {
        char buffer[MAX_UI_TEXT] = "";
        if (const FoundRow row = Find(page, text); row.Item && row.Item->Setting)
            MsgSendParam(row.Item->Setting, MSG_TEXT_GET, MsgParamOf(buffer));
        return buffer;
    }
};
