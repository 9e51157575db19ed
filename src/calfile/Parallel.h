#pragma once
// Independent jobs spread over the processor's cores: compressing and decoding the pictures of a
// ".cal" file, which take most of the time of a save or an open.

#include <functional>

// The number of workers ParallelFor uses for count jobs (at least 1, at most one per core).
int ParallelWorkers(int count);

// Runs job(worker, index) once for every index from 0 to count - 1 and returns when all are
// done. worker (0 to ParallelWorkers(count) - 1) lets a job use state of its own worker; worker 0
// is the calling thread. Jobs must not touch the user interface.
void ParallelFor(int count, const std::function<void(int worker, int index)>& job);
