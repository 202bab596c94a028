#include <cstdio>

// The composer window is not part of this build yet; the program says so
// instead of showing an empty window.
int main() {
  std::puts("Quillmark 1.0: the composer window is not part of this build yet.");
  return 0;
}
