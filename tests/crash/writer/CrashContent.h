#pragma once

#include <QString>

#include <optional>

// What the crash-safety test saves again and again: for each kind, a content per generation number
// that tells its generation and shows any mix of two generations.
enum class SavedKind { Partners, SlipFile, Calibration };

std::optional<SavedKind> savedKindNamed(const QString &name);
QString savedKindName(SavedKind kind);

// Saves generation g at path (the partner file, the slip file or the settings store's file) as the
// program saves it. Throws UserError when the save fails.
void saveGeneration(SavedKind kind, const QString &path, int generation);

// The generation that path holds, or nothing when it holds none whole (empty, mixed, unreadable).
std::optional<int> generationHeld(SavedKind kind, const QString &path);
