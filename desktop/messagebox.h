#pragma once
// The host's message boxes as Qt message boxes, behind an answerer that tests replace.
#include <QMessageBox>
#include <functional>
#include <string>

#include "host/hostui.h"

// Answers a box the host asks for: true for OK.
using BoxAnswerer = std::function<bool(const std::string& text, const std::string& title, HostBox kind)>;

// Gives the box the host's text, title, icon and buttons.
void SetUpMessageBox(QMessageBox& box, const std::string& text, const std::string& title, HostBox kind);
// Shows the box, owned by parent, and waits for the user.
bool AskUser(QWidget* parent, const std::string& text, const std::string& title, HostBox kind);
