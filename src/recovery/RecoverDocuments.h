#pragma once
#include <QString>
class Program;

// The start-up question's texts, for n documents.
QString RecoverQuestionText(const QString& title, int n);
QString DiscardQuestionText(int n);

// After start-up: copies that an instance left behind when it stopped
// unexpectedly lead to one question. Yes opens them as documents of their
// own; No asks once more whether to discard them for good, and only a Yes
// there deletes them. Without such copies nothing happens at all.
void OfferRecoveredDocuments(Program& program);
