#pragma once
class Program;

// The frame window's load handler: shows the frame and sets up the document
// table with the first untitled document.
void MDIForm_Load(Program& program);
