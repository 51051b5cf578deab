#pragma once

#include <random>

class CMainDlg;
class FakePrompts;

// Opens the Row Editor through one of the main window's commands and does
// random things in it; true when the main window should now count as modified.
bool RunRandomEditor(FakePrompts& prompts, CMainDlg& window, std::mt19937& random);
