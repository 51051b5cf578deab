#pragma once

class QWidget;

// Gives every control that a label names the label's text as its accessible
// name ("RX:" names the RX box "RX"), unless it already has one, so a screen
// reader announces each field by what the window shows beside it.
void NameControlsFromLabels(QWidget& window);
