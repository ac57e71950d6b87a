// Identifiers of the main window's controls.
#pragma once

constexpr int IDC_TEXT = 1000;
constexpr int IDC_INSERT = 1001;
constexpr int IDC_START_TAG = 1002;
constexpr int IDC_END_TAG = 1003;
constexpr int IDC_START_LABEL = 1004;
constexpr int IDC_END_LABEL = 1005;
