#pragma once

#include <functional>

namespace tables {

class SharedFile;
class TableError;

// Gathers the files with an open write transaction and commits them when the event loop is
// about to wait for input, so that one user action is one durable, atomic commit and bulk work
// never flushes per record. Without an event loop (tools, benchmarks) commitAll() does it.
namespace commitscheduler {
void schedule(SharedFile* file);
void forget(SharedFile* file);
void commitAll();
// What to do when a commit started by the event loop fails; by default a warning is printed.
void setErrorHandler(std::function<void(const TableError&)> handler);
}  // namespace commitscheduler

}  // namespace tables
