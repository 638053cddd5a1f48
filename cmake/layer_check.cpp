// Links one layer's whole library against the layers below it: a call from
// the layer to a layer above it has nothing to resolve to.
int main() { return 0; }
