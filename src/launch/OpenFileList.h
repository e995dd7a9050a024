#pragma once
#include <QStringList>
class Program;

// Opens named files one after another, each as a recent-file entry opens it
// (a window of its own, the bytes exactly as stored, no size limit), lists
// each opened one in the recent files as the Open dialog does, and brings the
// hidden edit buttons back. A file that cannot be opened is reported and the
// others still open; the last one opened is the active document. Every way in
// from outside (the command line, another start, a drop) comes here.
void OpenFilesInOrder(Program& program, const QStringList& files);
