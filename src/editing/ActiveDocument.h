#pragma once
// The text box the clipboard, select-all and search commands act on: that of
// the frame's active document window (its only focusable control).
class Program;
class TextBox;

// nullptr when no document window is open.
TextBox* ActiveTextBox(Program& program);
