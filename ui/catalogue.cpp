#include "ui/catalogue.h"

#include <iterator>

#include "common/format.h"
#include "orvel/orvelpages.h"
#include "orvel/orvelplay.h"
#include "ui/pages/bus.h"
#include "ui/pages/headphones.h"
#include "ui/pages/timecode.h"
#include "ui/pages/unreached.h"
#include "ui/uihome.h"
#include "ui/uilists.h"
#include "ui/uipages.h"
#include "uicore/uicontrols.h"

namespace {

// Where the walks start: each is visited with every page its rows lead to.
UIPage* const CatalogueRootsTbl[] = {
    &UIHomePage, &HomePanPage, &MainMenuPage, &SlatePage, &ChSetupPage, &ChKavlinPage, &BusRoutingPage,
    &TimeCodePage, &EnterTimeCodePage, &TimeCodeSetupPage, &BusAssignAuxPage, &BusAssignDigitalPage,
    &CardMix1to4AuxPage, &CardMix1to4DigitalPage, &CardMix5to8AuxPage, &CardMix5to8DigitalPage,
    &CardMix9to10AuxPage, &CardMix9to10DigitalPage, &CardMix9to12AuxPage, &CardMix9to12DigitalPage, &HphRoutingPage,
    &HphCardTracksPage, &TrackPresetsPage, &NotePresetsPage, &FalseStartPage, &MarkDropoutPage, &PlayOutRouterPage,
    &PlayOutRouter2Page, &PlayHphRouterPage, &PlayHphRouter2Page, &AuxRecordPage, &SkypostPage, &KavlinAuditionPage,
    &InputBitsPage, &MetersPage, &BatteryWarningPage, &BatteryWarning2Page, &LowRecordTimePage, &RecordConflictPage,
    &MirrorConflictPage, &ReRecordPage, &DropoutRecoverPage,
};

// Pages with neither a title nor a corner text.
struct PageLabel {
    const UIPage* Page;
    const char* Label;
};

const PageLabel PageLabelsTbl[] = {
    {&UIHomePage, "(home)"}, {&HomePanPage, "(home pan)"}, {&SlatePage, "(slate)"}, {&MetersPage, "(meters)"},
    {&HphRoutingPage, "(headphones)"}, {&HphCardTracksPage, "(headphones card tracks)"},
};

constexpr std::size_t MAX_CATALOGUE = 256;

struct Visit {
    UIPage* Seen[MAX_CATALOGUE];
    std::size_t Count;
    UIPageVisitor Visitor;
    void* Context;
};

void VisitOnce(UIPage* page, UIPage* openedFrom, void* context)
{
    auto* visit = static_cast<Visit*>(context);
    for (std::size_t i = 0; i < visit->Count; ++i)
        if (visit->Seen[i] == page)
            return;
    if (visit->Count < MAX_CATALOGUE)
        visit->Seen[visit->Count++] = page;
    visit->Visitor(page, openedFrom, visit->Context);
}

// The corner text of a page without a title bar: its last control, when that is a text.
void CornerText(const UIPage* page, char* text)
{
    if (page->NControls < 1)
        return;
    UIControl* last = page->Controls[page->NControls - 1];
    if (MsgQuery(last, MSG_CONTROL_KIND, UI_CTRL_KIND_UNKNOWN) != UI_CTRL_KIND_TEXT)
        return;
    if (const char* corner = reinterpret_cast<UIText*>(last)->Text)
        FormatText(text, MAX_UI_TEXT, "%s", corner);
}

// Corner texts may end in blanks that no script line keeps.
std::string_view Trimmed(std::string_view name)
{
    const std::size_t end = name.find_last_not_of(' ');
    return name.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

struct Search {
    std::string_view Name;
    std::size_t Left;
    UIPage* Found;
};

void Match(UIPage* page, UIPage*, void* context)
{
    auto* search = static_cast<Search*>(context);
    char name[MAX_UI_TEXT] = "";
    CataloguePageName(page, name);
    if (!search->Found && Trimmed(search->Name) == Trimmed(name) && --search->Left == 0)
        search->Found = page;
}

}  // namespace

void CatalogueWalk(UIPageVisitor visit, void* context)
{
    Visit walk = {.Seen = {}, .Count = 0, .Visitor = visit, .Context = context};  // walks may nest
    for (UIPage* root : CatalogueRootsTbl)
        UIWalkPages(root, VisitOnce, &walk);
}

void CataloguePageName(const UIPage* page, char* text)
{
    text[0] = '\0';
    for (const PageLabel& label : PageLabelsTbl)
        if (label.Page == page)
            FormatText(text, MAX_UI_TEXT, "%s", label.Label);
    if (text[0] == '\0' && !UIPageTitle(page, text))
        CornerText(page, text);
}

void CataloguePageKey(const UIPage* page, char* text)
{
    struct Count {
        const UIPage* Page;
        char Name[MAX_UI_TEXT];
        std::size_t Before;  // pages of the same name ahead of it
        bool Found;
    } count = {.Page = page, .Name = "", .Before = 0, .Found = false};
    CataloguePageName(page, count.Name);
    CatalogueWalk([](UIPage* other, UIPage*, void* context) {
        auto* c = static_cast<Count*>(context);
        char name[MAX_UI_TEXT];
        CataloguePageName(other, name);
        if (other == c->Page)
            c->Found = true;
        else if (!c->Found && std::string_view(name) == c->Name)
            ++c->Before;
    }, &count);
    text[0] = '\0';
    if (count.Found)
        FormatText(text, MAX_UI_TEXT, count.Before ? "%s #%zu" : "%s", count.Name, count.Before + 1);
}

UIPage* CatalogueFind(std::string_view name, std::size_t nth)
{
    Search search = {.Name = name, .Left = nth, .Found = nullptr};
    if (nth >= 1)
        CatalogueWalk(Match, &search);
    return search.Found;
}

void CatalogueLinkParents()
{
    for (UIPage* root : CatalogueRootsTbl)
        UILinkParents(root);
}
