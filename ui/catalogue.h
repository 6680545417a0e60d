#pragma once
// The catalogue of the recorder's pages: the home screens, the menu tree as its rows lead, the pages
// keys open and the pages nothing opens, each once, in that order.
#include <cstddef>
#include <string_view>

#include "uicore/uipagekit.h"

void CatalogueWalk(UIPageVisitor visit, void* context);

// What names a page: its title, or for a page without one the text in its corner, or a label in
// parentheses for the few with neither ("(home)", "(slate)"). text holds MAX_UI_TEXT bytes.
void CataloguePageName(const UIPage* page, char* text);

// The name, and " #N" for the Nth page of that name in catalogue order when N > 1: what tells pages
// apart across runs, builds and models ("INPUT CONFIGURE #2"). Empty for a page not in the catalogue.
void CataloguePageKey(const UIPage* page, char* text);

// The nth page (1 for the first) of that name in catalogue order; null when there is none.
UIPage* CatalogueFind(std::string_view name, std::size_t nth);

// Every page opened from a row gets that row's page as its Parent, wherever the rows stand.
void CatalogueLinkParents();
