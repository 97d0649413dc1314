#pragma once

// The names under which the benchmarks run, shared by their registration and the table.
namespace tunelot::bench::names {

inline constexpr char kWalk[] = "walk/tunelot";
inline constexpr char kWalkFind[] = "walk/find";
inline constexpr char kInsert[] = "insert/tunelot";
inline constexpr char kInsertHeld[] = "insert_held/tunelot";
inline constexpr char kSort[] = "sort/tunelot";
inline constexpr char kSortCommand[] = "sort/sort";
inline constexpr char kStatus[] = "status/tunelot";
inline constexpr char kStatusLoop[] = "status/bare_loop";
inline constexpr char kGetFiles[] = "get_files/tunelot";
inline constexpr char kMoveOneOut[] = "move_1_out/tunelot";
inline constexpr char kMoveOneBack[] = "move_1_back/tunelot";
inline constexpr char kMoveManyOut[] = "move_10000_out/tunelot";
inline constexpr char kMoveManyBack[] = "move_10000_back/tunelot";
inline constexpr char kSave[] = "save/tunelot";
inline constexpr char kLoad[] = "load/tunelot";
inline constexpr char kPaste[] = "paste/tunelot";
inline constexpr char kCopy[] = "copy/tunelot";
inline constexpr char kCopyCommand[] = "copy/cp_sync";
inline constexpr char kCopyLoop[] = "copy/bare_loop";
inline constexpr char kStartUp[] = "start_up/tunelot";
inline constexpr char kStartUpBare[] = "start_up/bare_qt";
inline constexpr char kWindowMemory[] = "memory_window/tunelot";
inline constexpr char kWindowMemoryEmpty[] = "memory_window/empty";
inline constexpr char kListMemory[] = "memory_list/tunelot";

// The counter that memory benchmarks report, in MiB.
inline constexpr char kPeakCounter[] = "peak_MiB";

}  // namespace tunelot::bench::names
