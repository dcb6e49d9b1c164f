import time
import fenu_e2e as e2e

def test_fails(t):
    target = t.start_target()
    assert target.text() == "nope", "deliberate"

@e2e.timeout(30)
def test_hangs(t):
    t.start_target()
    while True:
        time.sleep(0.05)

def test_no_fenu(t):
    t.start_fenu()

def test_ok_after(t):
    t.start_target()
