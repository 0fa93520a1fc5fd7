#pragma once
// The amount of a check in words and in figures protected by asterisks.

#include <string>

namespace orvane {

// The largest dollar amount the check's six-digit field holds.
inline constexpr double kLargestCheckAmount = 999999.99;
inline constexpr const char* kAmountTooLarge = "Dollar amount is too large";

// FillCheck's words: " One Thousand Two Hundred Thirty Four and 56/100", "Zero and 45/100" below
// one dollar, the cents as two digits or "No". A net pay below zero is written as zero; one that
// does not fit six dollar digits gives "Dollar amount is too large".
std::string amountInWords(float netPay);

// GroupWords: the words of a group of three digits ("021" gives " Twenty One"), each word after
// one blank.
std::string GroupWords(const std::string& group);

// StarAmount: the figures, leading zeros replaced by asterisks ("**1234.56", "*****5.00"); an
// amount under one dollar keeps its six zeros ("000000.45"). Below zero counts as zero.
std::string StarAmount(float netPay);

// True when the net pay, rounded to cents, does not fit the check's six dollar digits.
bool tooLargeForCheck(float netPay);

}  // namespace orvane
