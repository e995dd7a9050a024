#pragma once
class Program;

// Creates a fresh about box, shows it modally and releases it.
void ShowAboutBox(Program& program);
