// The batch mode alone, for node: the page's engine and reader of numbers
// answering a sheet as the native --batch does.
#include "app/batch.h"

#include <cstdio>

int main(int argc, char **argv) {
  return runBatchFile(argc > 1 ? argv[1] : nullptr, stdout, stderr);
}
