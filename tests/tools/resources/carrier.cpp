// A program that carries the resources and nothing else, for the test to read.
int main() { return 0; }
