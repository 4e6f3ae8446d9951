// The ranking protocol in one include, for the game's ranking client and the
// ranking server:
//   tplayer, RankingTable, set_record          ranking/tplayer.h
//   ir_request_body, ir_request_url,
//   packed_line, field_text                    ranking/field_text.h
//   ir_parse_response, ir_parse                ranking/ir_parse.h
//   ir_sort, IrOrder                           ranking/ir_sort.h
//   minute_stamp, date_text                    ranking/minute_stamp.h
//   ir_set_title, ir_heroine_name, ir_stage_text  ranking/set_texts.h
//   utf7_pack/unpack, percent_encode/decode    ranking/utf7.h, ranking/percent.h
// A post: fill a tplayer from the profile and records (date = date_text of
// today), POST ir_request_body(p) to ir_request_url(base) with no headers
// of its own, and on status 200 give the answer body to ir_parse_response;
// on any failure call ir_parse with no lines, which empties the table.
#pragma once
#include "ranking/field_tags.h"
#include "ranking/field_text.h"
#include "ranking/ir_parse.h"
#include "ranking/ir_sort.h"
#include "ranking/local_text.h"
#include "ranking/minute_stamp.h"
#include "ranking/percent.h"
#include "ranking/set_texts.h"
#include "ranking/tplayer.h"
#include "ranking/utf7.h"
