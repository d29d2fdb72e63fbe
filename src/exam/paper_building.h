// The steps of building an examination paper that the class window's
// "确定" script runs: the rule group of a class, the random order of the
// question numbers, and the composition statement of one rule and type.
#pragma once

#include "runtime/db/transaction.h"

#include <vector>

// The rule group of a vehicle class: C1..C5 draw by the rules of C1, A1, A3
// and B1 by those of A1, A2 and B2 by those of B2; any other code is a group
// of its own.
runtime::String RuleGroupOf(const runtime::String &as_cx);

// A uniformly random order of the numbers 1..n (empty for n < 1).
std::vector<long> RandomOrder(long n);

// Writes the order into the emptied t_mno: position i draws order[i - 1].
// One prepared statement in one transaction; the outcome is in t.SQLCode.
void WriteOrder(runtime::Transaction &t, const std::vector<long> &order);

// The statement that copies the first `count` questions of type tx ("1"
// single choice, "2" true/false, "0" multiple choice) of chapter fl.jfl into
// t_kzmn, in the random order of t_mno.
runtime::String CompositionStatement(const runtime::String &tx, long count, long fl, long jfl);
