// The tables of the program's database.
#pragma once

namespace bank {

// Every table with the defaults and keys the program relies on: t_kzmn.mno
// is unique and t_kzmn.zdanswer defaults to '0' (not answered); t_error.id
// counts up by itself. The indexes serve the paper's composition statements.
inline constexpr const char *kSchema = R"sql(
CREATE TABLE t_tk005 (
  mno INTEGER PRIMARY KEY, tx TEXT, answer TEXT,
  choice1 TEXT, choice2 TEXT, choice3 TEXT, choice4 TEXT,
  txt TEXT, analyse TEXT, pic TEXT, picflag TEXT, tieba TEXT,
  fl INTEGER, fl1 INTEGER);
CREATE INDEX t_tk005_chapter ON t_tk005 (fl, fl1, tx);
CREATE TABLE t_kzmn (
  mno INTEGER PRIMARY KEY, tx TEXT, answer TEXT, zdanswer TEXT DEFAULT '0',
  flag TEXT, nr TEXT, readme TEXT, xh INTEGER,
  choice1 TEXT, choice2 TEXT, choice3 TEXT, choice4 TEXT,
  txt TEXT, analyse TEXT, pic TEXT, picflag TEXT, errorflag TEXT, tieba TEXT);
CREATE TABLE t_mno (id INTEGER PRIMARY KEY, mno INTEGER);
CREATE INDEX t_mno_mno ON t_mno (mno);
CREATE TABLE t_kznr (
  id INTEGER PRIMARY KEY, fl INTEGER, jfl INTEGER, tx1_sl TEXT, tx2_sl TEXT, cx TEXT,
  issdth INTEGER, sdth1 TEXT, sdth2 TEXT, sdsl1 INTEGER, sdsl2 NUMERIC, tx3_sl TEXT);
CREATE INDEX t_kznr_group ON t_kznr (cx, fl, jfl);
CREATE TABLE t_jfl (fl INTEGER, xh INTEGER, cx TEXT, PRIMARY KEY (fl, xh));
CREATE TABLE t_cx (name TEXT, readme TEXT);
CREATE TABLE t_error (
  id INTEGER PRIMARY KEY AUTOINCREMENT, user TEXT, mno INTEGER, zdanswer TEXT,
  flag INTEGER, errorcs INTEGER);
CREATE INDEX t_error_mno ON t_error (mno);
CREATE TABLE t_cj (name TEXT, sfzh TEXT, mdate TEXT, dw TEXT, cj TEXT);
CREATE TABLE t_tc_list (tcname TEXT, mno INTEGER, flag TEXT, nr TEXT, readme TEXT, xh INTEGER);
CREATE INDEX t_tc_list_set ON t_tc_list (tcname, mno);
CREATE TABLE t_system (id INTEGER PRIMARY KEY, frist TEXT, cx TEXT, pathname TEXT);
)sql";

} // namespace bank
