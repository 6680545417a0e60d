#pragma once
// The "&Help" menu: "Keys" and "About". Its windows are made when first asked for.
#include <QMainWindow>

void AddHelpMenu(QMainWindow& main);
