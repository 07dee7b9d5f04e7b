#pragma once

#include <QMap>
#include <QString>

#include <optional>

// What the crash-safety test saves again and again: for each kind, a content per generation number
// that tells its generation and shows any mix of two generations. The payments book only grows: a
// generation there is a bank file's worth of payments added in one transaction.
enum class SavedKind { Partners, SlipFile, Calibration, Book };

std::optional<SavedKind> savedKindNamed(const QString &name);
QString savedKindName(SavedKind kind);

// Saves generation g at path (the partner file, the slip file, the settings store's file or the
// payments book) as the program saves it. Throws UserError when the save fails.
void saveGeneration(SavedKind kind, const QString &path, int generation);

// The generation that path holds, or nothing when it holds none whole (empty, mixed, unreadable).
// For the book: the last generation, when every generation up to it is held whole and once.
std::optional<int> generationHeld(SavedKind kind, const QString &path);

// The payments of each generation in the book, each whole: generation -> how many of its payments.
QMap<int, int> bookGenerations(const QString &path);
constexpr int bookPaymentsPerGeneration = 200;
