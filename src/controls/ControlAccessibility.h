#pragma once

// Registers, once per run, how assistive tools see the painted controls
// whose kind a plain QWidget does not tell: the tab strip as a page-tab
// list with page tabs, the group box as a grouping. Every such control
// calls this from its constructor.
void InstallControlAccessibility();
