#pragma once
// Opens a companion view in this process against the agent the session points
// at, and waits for its polls.
#include <memory>

#include "companions/CompanionWindowUnit.h"

struct CompanionView;

// The window, shown, once its first poll is on screen; null (with a failure)
// when no poll arrives within 10 s.
std::unique_ptr<TCompanionWindow> openCompanion(const CompanionView& view);
// Polls again and waits until that poll is on screen.
bool pollAgain(TCompanionWindow& window);
// The cell of a line (by instance) under a header; empty when either is missing.
QString cellOf(const TCompanionWindow& window, int section, const QString& instance, const QString& header);
