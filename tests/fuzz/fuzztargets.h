#pragma once

// The fuzz targets: each takes arbitrary bytes as the content of one kind
// of file and runs the reader over it. Built with libFuzzer (the CMake
// option VELTRUM_FUZZ) each becomes a program of its own; the ordinary
// build replays the committed corpus and every past crash through them.

#include <cstddef>
#include <cstdint>

int fuzzValueList(const uint8_t *data, size_t size); // ".dat" lists, plain and compressed
int fuzzIniFile(const uint8_t *data, size_t size);
int fuzzTableFile(const uint8_t *data, size_t size);
int fuzzDaySummary(const uint8_t *data, size_t size);
int fuzzArchiveIndex(const uint8_t *data, size_t size);
int fuzzJobParser(const uint8_t *data, size_t size); // layout files
int fuzzSumFilter(const uint8_t *data, size_t size); // filter conditions
int fuzzListXml(const uint8_t *data, size_t size); // XML import of a list
int fuzzDayAggregate(const uint8_t *data, size_t size); // cached days of report groups
