#pragma once

#include <string>

class CException;

// Output conventions of curvix-cli.
namespace CliOutput {

// A number as "%.17g"; any NaN is "nan", infinities "inf" and "-inf".
std::string Number(double value);

// A message with each line break written as the two characters "\n".
std::string OneLine(const std::string& message);

// Prints "error CODE: MESSAGE" for an engine error on stderr; returns the
// exit status for it (2).
int ReportExpressionError(int code, const CException& error);

// Prints a refusal the program would show (its message on one line) on
// stderr; returns the exit status for it (3).
int Refuse(const std::string& message);

// Prints a usage error on stderr; returns the exit status for it (1).
int UsageError(const std::string& usage);

}  // namespace CliOutput
