#pragma once

#include "reports/fleetrow.h"

#include <functional>

// Runs the fleet's analyses on several processes and hands the rows back in argument order.
//
// The workers are forked from the command line itself, each analysing one report at a time in
// an engine of its own and sending its row back over a socket. Processes rather than threads:
// the engine keeps process-wide state (the data directory override, a shared collator, the
// atomic writer's per-process temporary names), and a report that crashes its worker costs
// only its own row. Forking rather than starting the program again spares each worker the
// start-up and keeps the argument list out of any protocol; it is done only while the command
// line runs a single thread, else the reports are analysed one after the other here.
namespace fleetworkers {

using Analyse = std::function<FleetRow(int index)>;  // index from 0
using Crashed = std::function<FleetRow(int index, const QString& error)>;
using Deliver = std::function<void(const FleetRow&)>;

// Analyses reports 0 to count - 1 on up to `jobs` workers and calls deliver for each row, in
// index order, as soon as the rows before it have been delivered. A worker that dies takes
// the report it was analysing with it: that row is crashed(index, reason).
void run(int jobs, int count, const Analyse& analyse, const Crashed& crashed,
         const Deliver& deliver);

}  // namespace fleetworkers
