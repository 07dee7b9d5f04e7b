#pragma once

#include <span>

// The book's tables, one step per version: step n brings a book of version n to version n + 1
// (PRAGMA user_version). Steps are only ever added; a step once released never changes.
std::span<const char *const> bookSchemaSteps();
