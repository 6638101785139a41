// Reajuste_Bloques: the readjustment of the advertising blocks, run as the
// menu loads and again when the programming editor refreshes its durations.
// It purges the placements of ended contracts, recomputes every block's
// length from the spots left in it and copies each block's length text and
// end into the programming rows that start at the block's time, all in one
// transaction: a crash or power cut mid-way leaves the old totals, never some
// blocks readjusted and others not.
#pragma once

void Reajuste_Bloques();
