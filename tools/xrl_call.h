// Calls into xraylib's C interface that turn its error reports, and values
// the data files cannot hold, into exceptions.
#pragma once

#include <xraylib.h>

#include <cmath>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tervolin::tables {

// Any failure while making the tables: an xraylib error, a value that is not
// positive, a file that cannot be written.
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Frees the error and throws a TableError naming the call, if there is one.
void ThrowIfError(xrl_error* error, const std::string& call);

// Throws the TableError of a call that returned no struct and no error.
[[noreturn]] void ThrowNoResult(const std::string& call);

// Checks what an xraylib call that allocates a struct returned.
template <class T>
T* RequireResult(T* result, xrl_error* error, const std::string& call) {
  ThrowIfError(error, call);
  if (result == nullptr) ThrowNoResult(call);
  return result;
}

// Throws unless value is finite and above zero.
void RequirePositive(double value, const std::string& call);

// "name(arg1, arg2)" for messages.
template <class... Args>
std::string DescribeCall(const char* name, const Args&... args) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << name << '(';
  const char* separator = "";
  ((text << separator << args, separator = ", "), ...);
  text << ')';
  return text.str();
}

// Calls an xraylib function that reports through a trailing xrl_error** and
// returns its value, which must be positive.
template <class Fn, class... Args>
double PositiveValue(const char* name, Fn fn, Args... args) {
  xrl_error* error = nullptr;
  const double value = fn(args..., &error);
  if (error != nullptr) ThrowIfError(error, DescribeCall(name, args...));
  if (!std::isfinite(value) || !(value > 0.0)) RequirePositive(value, DescribeCall(name, args...));
  return value;
}

}  // namespace tervolin::tables
