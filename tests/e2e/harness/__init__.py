"""The end-to-end harness: vok.exe under Wine on a virtual display, worked by
robot.exe against a pyftpdlib server that holds a catalogue made for the case."""
