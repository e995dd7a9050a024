#pragma once
#include <QString>

#include "recent/RecentMenuItems.h"

class Program;
class QAction;

// Adds a file to the stored list unless it is listed, then refreshes the menus.
void RememberRecentFile(Program& program, const QString& FileName);
// True when FileName is the caption of one of the frame's entries 1 to 4.
bool IsRecentFile(Program& program, const QString& FileName);
// Writes FileName to the head of the stored list.
void StoreRecentFiles(Program& program, const QString& FileName);
// Shows the stored list in the frame's and every open document's File menu.
void RefreshRecentMenus(Program& program);
// What a recent-file entry does when chosen: opens the file it names.
void OpenRecentFile(Program& program, const QString& FileName);

// The caption of a recent-file entry: the file name exactly as stored (the
// menu shows it with "&" escaped so that no letter turns into an access key).
QString RecentFileCaption(const QAction* entry);
void SetRecentFileCaption(QAction* entry, const QString& FileName);
