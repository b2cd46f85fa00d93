// A do-nothing program for the file tests: built once with a version
// resource and once without.
int main() {
  return 0;
}
