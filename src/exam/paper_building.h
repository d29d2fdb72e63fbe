// The steps of building an examination paper that the class window's
// "确定" script runs: the rule group of a class, the random order of the
// question numbers, and the composition statement of one rule and type.
#pragma once

#include "runtime/db/transaction.h"
#include "runtime/dw/datastore.h"

#include <vector>

// The rule group of a vehicle class: C1..C5 draw by the rules of C1, A1, A3
// and B1 by those of A1, A2 and B2 by those of B2; any other code is a group
// of its own.
runtime::String RuleGroupOf(const runtime::String &as_cx);

// A uniformly random order of the numbers 1..n (empty for n < 1).
std::vector<long> RandomOrder(long n);

// `count` of the candidates (all of them when there are fewer), drawn at
// random: every choice of them equally likely, and their order uniform.
std::vector<long> DrawInOrder(std::vector<long> candidates, long count);

// Writes the order into the emptied t_mno: position i draws order[i - 1].
// One prepared statement in one transaction; the outcome is in t.SQLCode.
void WriteOrder(runtime::Transaction &t, const std::vector<long> &order);

// The statement that copies the first `count` questions of type tx ("1"
// single choice, "2" true/false, "0" multiple choice) of chapter fl.jfl into
// t_kzmn, in the random order of t_mno.
runtime::String CompositionStatement(const runtime::String &tx, long count, long fl, long jfl);

// Builds a new paper for the rule group: empties t_kzmn and t_mno, retrieves
// the group's rules into dw_rules (the select as_sqlnew with the group's
// condition appended), draws each rule's questions of each type at random
// into t_mno, in the order drawn, and copies them into t_kzmn rule by rule,
// single choice, true/false, multiple choice.
// All in one transaction that commits at its end: nobody sees the steps
// between, and the writes cost one commit. Returns the number of rules
// retrieved; the outcome of the last statement is in t.SQLCode.
long BuildPaper(runtime::Transaction &t, runtime::DataStore &dw_rules, const runtime::String &as_sqlnew,
                const runtime::String &as_group);
