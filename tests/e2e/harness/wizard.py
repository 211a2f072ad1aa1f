"""The wizard's windows as the tests meet them: the control ids of each page
(resources/resource.h) and the process of one run of vok.exe."""
import subprocess

from harness import settings

# Welcome dialog
BEGIN = 1000
EXIT = 1
STATUS_LINE = 1001
# Product selection page
PRODUCT_NEXT = 1004
PRODUCT_CANCEL = 1003
PRODUCT_LIST = 1010
PRODUCT_ABOUT = 1020
# Registration page
REGISTRATION_BACK = 1005
REGISTRATION_NEXT = 1006
REGISTRATION_CANCEL = 1007
USER_NAME = 1008
EMAIL = 1011
ADDRESS = 1013
CITY = 1014
STATE = 1015
PHONE = 1017
COUNTRY = 1024
POSTAL = 1025
# E-mail address list
EMAIL_LIST_OK = 1
EMAIL_LIST = 1043
# Ready page
READY_BACK = 1021
READY_DOWNLOAD = 1022
READY_CANCEL = 1023
# Download page
DOWNLOAD_STOP = 1026
DOWNLOAD_PRODUCT = 1030
FILE_PROGRESS = 1032
PERCENT_TEXT = 1033
BYTES_TEXT = 1039
OVERALL_PROGRESS = 1040
OVERALL_TEXT = 1041
# Finish page
FINISH_LIST = 1034
FINISH_INSTALL = 1035
FINISH_LOCATE = 1036
FINISH_EXIT = 1


class WizardProcess:
    """One run of vok.exe in the case's prefix."""

    def __init__(self, prefix, log_path, program=None):
        """program: the wizard's build to run; vok.exe by default."""
        self.process = prefix.start(program or settings.vok_exe(), log_path)

    def reap(self):
        """Collects the process once its prefix has been stopped."""
        self.process.wait(timeout=30)

    def has_ended(self, within_seconds):
        try:
            self.process.wait(timeout=within_seconds)
            return True
        except subprocess.TimeoutExpired:
            return False
