// The control of the DLL planting test: it imports the marker's function
// from "version.dll" in the ordinary way, as the installer once imported
// that DLL, so a "version.dll" planted beside it is what it loads.
extern "C" __declspec(dllimport) int LumoPlantedProbe();

int main() {
  return LumoPlantedProbe() == 42 ? 0 : 1;
}
