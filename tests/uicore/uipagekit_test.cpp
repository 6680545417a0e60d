#include "uicore/uipagekit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::uint32_t Hidden(void*, Message* msg)
{
    if (msg->Id != MSG_IS_VISIBLE)
        return 0;
    msg->Param = 0;
    return 1;
}

// Root opens A and, behind a hidden row, B; A opens B and C; C was given its parent by hand.
UIMenuPage<1> CRows = MenuPage("C", CRows, {}, {Row("NOTHING")});
UIPage PageC = PageOf(CRows);
UIMenuPage<1> BRows = MenuPage("B", BRows, {}, {Row("NOTHING")});
UIPage PageB = PageOf(BRows);
UIMenuPage<2> ARows = MenuPage("A", ARows, {}, {Opens("TO B", PageB), Opens("TO C", PageC)});
UIPage PageA = PageOf(ARows);
UIMenuPage<2> RootRows = MenuPage("ROOT", RootRows, {}, {Opens("TO A", PageA), When(Hidden, Opens("TO B", PageB))});
UIPage Root = PageOf(RootRows);

TEST(PageKit, TheTreeWalkVisitsEachPageOnceNearestFirstAndLinksUnsetParents)
{
    PageC.Parent = &PageB;
    std::vector<std::string> order;
    UIWalkPages(&Root, [](UIPage* page, UIPage* from, void* seen) {
        const char* title = reinterpret_cast<UITitle*>(page->Controls[0])->Text;
        static_cast<std::vector<std::string>*>(seen)->push_back(std::string(title) + "<" +
                                                                (from ? reinterpret_cast<UITitle*>(from->Controls[0])->Text : "-"));
    }, &order);
    EXPECT_EQ(order, (std::vector<std::string>{"ROOT<-", "A<ROOT", "B<ROOT", "C<A"}));
    UILinkParents(&Root);
    EXPECT_EQ(Root.Parent, nullptr);
    EXPECT_EQ(PageA.Parent, &Root);
    EXPECT_EQ(PageB.Parent, &Root) << "a hidden row still opens its page on another model";
    EXPECT_EQ(PageC.Parent, &PageB) << "a parent given by hand stays";
}

}  // namespace
