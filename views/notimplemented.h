#pragma once

// Writes the debug trace of a slot that a generated dialog base declares
// for its subclass but the subclass does not implement:
// "<signature>: Not implemented yet", e.g.
// "TSumFilterItemBase::onHelp(): Not implemented yet".
void notImplemented(const char *signature);
